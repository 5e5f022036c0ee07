// SPDX-License-Identifier: MIT
// The shell and the registry open addresses on Windows.
#include "WindowsLinkOpener.h"

#include "RegistryString.h"
#include "Unicode.h"

#include <array>
#include <utility>
#include <windows.h>
// <shellapi.h> needs the types of <windows.h>.
// clang-format off
#include <shellapi.h>
// clang-format on

namespace glyphsmith {

namespace {

using enum OpenOutcome;

// The shell's error codes, which the old program starter shares.
// clang-format off
constexpr std::array<std::pair<int, OpenOutcome>, 13> kShellErrors{{
    {0, OutOfResources}, {2, FileNotFound}, {3, PathNotFound}, {5, AccessDenied},
    {8, OutOfMemory}, {11, InvalidProgram}, {26, SharingViolation},
    {27, IncompleteAssociation}, {28, DdeTimeout}, {29, DdeFailed}, {30, DdeBusy},
    {31, NoAssociation}, {32, LibraryNotFound},
}};
// clang-format on

std::optional<std::string> ClassDefault(const std::string& subKey) {
    const std::optional<std::wstring> value =
        platform::ReadRegistryString(HKEY_CLASSES_ROOT, WideFromUtf8(subKey), {});
    if (!value) {
        return std::nullopt;
    }
    return Utf8FromWide(*value);
}

// Starting a program reports its failures as the old program starter did: the system's
// error code where it is below 32, "the .EXE file is invalid" for any other.
OpenResult StartProgram(const std::string& commandLine) {
    std::wstring command = WideFromUtf8(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        const DWORD error = GetLastError();
        return ShellOpenResult(error < 32 ? static_cast<int>(error) : ERROR_BAD_FORMAT);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return OpenOutcome::Opened;
}

class ShellLinkOpener final : public LinkOpener {
  public:
    OpenResult OpenWithDesktop(const std::string& address) override {
        const HINSTANCE result = ShellExecuteW(nullptr, L"open", WideFromUtf8(address).c_str(),
                                               nullptr, nullptr, SW_SHOW);
        return ShellOpenResult(static_cast<int>(reinterpret_cast<INT_PTR>(result)));
    }

    // The file class of ".htm" names the key of its open command.
    std::optional<std::string> WebPageCommand() override {
        const std::optional<std::string> webPageClass = ClassDefault(".htm");
        if (!webPageClass) {
            return std::nullopt;
        }
        return ClassDefault(*webPageClass + "\\shell\\open\\command");
    }

    OpenResult RunWebPageCommand(const std::string& command, const std::string& address) override {
        return StartProgram(FallbackCommandLine(command, address));
    }
};

} // namespace

OpenResult ShellOpenResult(int code) {
    if (code > 32) {
        return OpenOutcome::Opened;
    }
    for (const auto& [error, outcome] : kShellErrors) {
        if (error == code) {
            return outcome;
        }
    }
    return {OpenOutcome::Unknown, code};
}

LinkOpener& DesktopLinkOpener() {
    static ShellLinkOpener opener;
    return opener;
}

} // namespace glyphsmith
