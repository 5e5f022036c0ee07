// SPDX-License-Identifier: MIT
#include "DialogTest.h"
#include "Unicode.h"
#include "Win32Windows.h"

namespace glyphsmith::test {

namespace {

constexpr DWORD kProgramTimeoutMs = 60000;

// One argument of a command line as the C runtime splits it again: quoted, with the
// backslashes before a quote, and the quote itself, escaped.
std::wstring Quoted(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t character : argument) {
        if (character == L'\\') {
            ++backslashes;
            continue;
        }
        const std::size_t escaped = character == L'"' ? 2 * backslashes + 1 : backslashes;
        quoted.append(escaped, L'\\');
        quoted += character;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L'"';
}

} // namespace

int RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& directory) {
    std::wstring commandLine = Quoted(program.wstring());
    for (const std::string& argument : arguments) {
        commandLine += L' ' + Quoted(WideFromUtf8(argument));
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process)) {
        return -1;
    }
    DWORD exitCode = 0;
    const bool finished =
        WaitForSingleObject(process.hProcess, kProgramTimeoutMs) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process.hProcess, &exitCode);
    if (!finished) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return finished ? static_cast<int>(exitCode) : -1;
}

} // namespace glyphsmith::test
