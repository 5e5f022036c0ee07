// The shell and the registry open addresses on Windows.
#include "LinkOpener.h"
#include "RegistryString.h"
#include "Utf16.h"

#include <windows.h>
// <shellapi.h> needs the types of <windows.h>.
// clang-format off
#include <shellapi.h>
// clang-format on

namespace glyphsmith {

namespace {

using ui::win32::ToUtf16;

std::optional<std::string> ClassDefault(const std::string& subKey) {
    const std::optional<std::wstring> value =
        ui::win32::ReadRegistryString(HKEY_CLASSES_ROOT, ToUtf16(subKey), {});
    if (!value) {
        return std::nullopt;
    }
    return ui::win32::ToUtf8(*value);
}

// Starting a program reports its failures as the old program starter did: the system's
// error code where it is below 32, "the .EXE file is invalid" for any other; 33 when the
// program started.
int StartProgram(const std::string& commandLine) {
    std::wstring command = ToUtf16(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        const DWORD error = GetLastError();
        return error < 32 ? static_cast<int>(error) : ERROR_BAD_FORMAT;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return kOpened;
}

class ShellLinkOpener final : public LinkOpener {
  public:
    int OpenWithDesktop(const std::string& address) override {
        const HINSTANCE result =
            ShellExecuteW(nullptr, L"open", ToUtf16(address).c_str(), nullptr, nullptr, SW_SHOW);
        return static_cast<int>(reinterpret_cast<INT_PTR>(result));
    }

    // The file class of ".htm" names the key of its open command.
    std::optional<std::string> WebPageCommand() override {
        const std::optional<std::string> webPageClass = ClassDefault(".htm");
        if (!webPageClass) {
            return std::nullopt;
        }
        return ClassDefault(*webPageClass + "\\shell\\open\\command");
    }

    int RunWebPageCommand(const std::string& command, const std::string& address) override {
        return StartProgram(FallbackCommandLine(command, address));
    }
};

} // namespace

LinkOpener& DesktopLinkOpener() {
    static ShellLinkOpener opener;
    return opener;
}

} // namespace glyphsmith
