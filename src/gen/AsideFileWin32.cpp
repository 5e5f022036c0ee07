// SPDX-License-Identifier: MIT
#include "AsideFile.h"
#include "StaleAsideFiles.h"

#include <algorithm>
#include <string>
#include <windows.h>

namespace glyphsmith {

namespace {

// A text-mode stream writes every line end as CR LF; so does an aside file.
std::string WithCrLf(std::string_view text) {
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') {
            crlf.push_back('\r');
        }
        crlf.push_back(c);
    }
    return crlf;
}

bool WriteAll(HANDLE file, std::string_view text) {
    while (!text.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, text.data(), chunk, &written, nullptr)) {
            return false;
        }
        text.remove_prefix(written);
    }
    return true;
}

} // namespace

TargetStatus LookAtTarget(const NativePath& path) {
    // Links are not followed here: the file system resolves them, and a replacement takes
    // the place of the link itself, as it always has on Windows.
    const DWORD attributes = GetFileAttributesW(path.CStr());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? TargetKind::Missing : TargetKind::Other, 0};
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return {TargetKind::Other, 0};
    }
    const bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    return {readOnly ? TargetKind::KeptFile : TargetKind::ReplaceableFile, 0};
}

unsigned long CurrentProcessId() {
    return GetCurrentProcessId();
}

AsideFile::Opening AsideFile::OpenNew(const NativePath& directory, std::string_view name,
                                      const TargetStatus&) {
    const NativePath path = directory / name;
    // Others may read the file and rename or remove it as this handle allows, but none can
    // open it exclusively while the handle is open: that is what tells a sweep that its
    // writer is alive.
    HANDLE file = CreateFileW(path.CStr(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                              nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_FILE_EXISTS ? Opening::NameTaken : Opening::Failed;
    }
    hold_ = {path, directory, false, file};
    return Opening::Opened;
}

// Permissions on Windows are the directory's, inherited by every new file.
bool AsideFile::Fit(const TargetStatus&) {
    return true;
}

AsideFile::Placement AsideFile::WriteAndPutInPlace(std::string_view text, const NativePath& target,
                                                   bool) {
    // Windows swaps no two names in one step: the file is renamed over the target while
    // still open, so that no sweep can take the complete file for an abandoned one.
    const bool placed =
        WriteAll(hold_.handle, WithCrLf(text)) &&
        MoveFileExW(hold_.path.CStr(), target.CStr(), MOVEFILE_REPLACE_EXISTING) != 0;
    return placed ? Placement::Renamed : Placement::Failed;
}

bool AsideFile::OpenUnnamed(const NativePath&) {
    return false; // Windows has no file without a name
}

void AsideFile::Discard() {
    if (IsOpen()) {
        // Removed once the handle is closed.
        DeleteFileW(hold_.path.CStr());
        hold_.path.Clear();
    }
    if (hold_.handle != nullptr) {
        CloseHandle(hold_.handle);
        hold_.handle = nullptr;
    }
}

namespace {

// Removes an aside file whose writer has ended without renaming or removing it; a file
// that a live writer holds stays.
void RemoveIfAbandoned(const NativePath& file) {
    // Only an exclusive open succeeds, and only once no writer holds the file open.
    HANDLE abandoned =
        CreateFileW(file.CStr(), DELETE, 0, nullptr, OPEN_EXISTING,
                    FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (abandoned != INVALID_HANDLE_VALUE) {
        CloseHandle(abandoned);
    }
}

} // namespace

void RemoveStaleAsideFiles(const NativePath& directory) {
    WIN32_FIND_DATAW entry;
    HANDLE listing = FindFirstFileExW((directory / "*").CStr(), FindExInfoBasic, &entry,
                                      FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (listing == INVALID_HANDLE_VALUE) {
        return;
    }
    // Directories and links are no aside files; a listing holds no devices.
    constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    do {
        const std::wstring_view name(entry.cFileName);
        if ((entry.dwFileAttributes & kNotAFile) == 0 && IsAsideFileName(name)) {
            RemoveIfAbandoned(directory / std::string(name.begin(), name.end()));
        }
    } while (FindNextFileW(listing, &entry));
    FindClose(listing);
}

} // namespace glyphsmith
