// The shell and the registry open addresses on Windows.
#include "LinkOpener.h"

#include <cstring>
#include <utility>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
// <shellapi.h> needs the types of <windows.h>.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

namespace glyphsmith {

namespace {

// The default value of a key under HKEY_CLASSES_ROOT; 0, or the registry's error code. A
// value that cannot be read is an error as well, so no half-read text is ever used.
LONG QueryClassDefault(const std::string& subKey, std::string& value) {
    HKEY key = nullptr;
    LONG error = RegOpenKeyExA(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_QUERY_VALUE, &key);
    if (error != ERROR_SUCCESS) {
        return error;
    }
    LONG size = 0;
    error = RegQueryValueA(key, nullptr, nullptr, &size);
    if (error == ERROR_SUCCESS) {
        std::string text(static_cast<std::size_t>(size), '\0');
        error = RegQueryValueA(key, nullptr, text.data(), &size);
        text.resize(std::strlen(text.c_str()));
        value = std::move(text);
    }
    RegCloseKey(key);
    return error;
}

class ShellLinkOpener final : public LinkOpener {
  public:
    int OpenWithDesktop(const std::string& address) override {
        const HINSTANCE result =
            ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOW);
        return static_cast<int>(reinterpret_cast<INT_PTR>(result));
    }

    // The file class of ".htm" names the key of its open command.
    std::optional<std::string> WebPageCommand() override {
        std::string webPageClass;
        if (QueryClassDefault(".htm", webPageClass) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::string command;
        if (QueryClassDefault(webPageClass + "\\shell\\open\\command", command) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return command;
    }

    int RunWebPageCommand(const std::string& command, const std::string& address) override {
        return static_cast<int>(WinExec(FallbackCommandLine(command, address).c_str(), SW_SHOW));
    }
};

} // namespace

LinkOpener& DesktopLinkOpener() {
    static ShellLinkOpener opener;
    return opener;
}

} // namespace glyphsmith
