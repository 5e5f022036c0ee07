// SPDX-License-Identifier: MIT
#include "EnsureDirectory.h"

#include "Paths.h"

#include <system_error>

namespace glyphsmith {

namespace {

#ifdef _WIN32
// The end of `count` parts of the path from `start`, each ended by a separator.
std::size_t EndOfParts(std::string_view path, std::size_t start, int count) {
    std::size_t end = start;
    for (int part = 0; part < count && end < path.size(); ++part) {
        if (part > 0) {
            ++end;
        }
        while (end < path.size() && !IsPathSeparator(path[end])) {
            ++end;
        }
    }
    return end;
}

bool StartsWithNoCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && AsciiLower(text.substr(0, start.size())) == start;
}
#endif

} // namespace

std::size_t RootLength([[maybe_unused]] std::string_view path) {
#ifdef _WIN32
    // "\\?\" and "\\.\" paths name a drive ("\\?\C:"), a volume, or a share after "UNC\".
    if (path.starts_with("\\\\?\\") || path.starts_with("\\\\.\\")) {
        return StartsWithNoCase(path.substr(4), "unc\\") ? EndOfParts(path, 8, 2)
                                                         : EndOfParts(path, 4, 1);
    }
    if (path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1])) {
        return EndOfParts(path, 2, 2); // "\\server\share"
    }
    if (path.size() >= 2 && path[1] == ':') {
        return 2; // "C:"
    }
#endif
    // What is left is relative, or begins at the root of the file system (of the current
    // drive on Windows), whose empty name stands before the first separator.
    return 0;
}

namespace {

bool EnsurePrefix(const std::string& path, std::size_t end, std::size_t root) {
    if (end <= root) {
        return true;
    }
    const std::string prefix = path.substr(0, end);
    if (EntryExists(prefix)) {
        return true;
    }
    std::error_code error;
    std::filesystem::create_directory(FsPath(prefix), error);
    return !error && EntryExists(prefix);
}

} // namespace

bool EntryExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(FsPath(path), error));
}

bool EnsureDirectory(const std::string& path) {
    const std::size_t root = RootLength(path);
    for (std::size_t i = root; i < path.size(); ++i) {
        if (IsPathSeparator(path[i]) && !EnsurePrefix(path, i, root)) {
            return false;
        }
    }
    // A separator at the very end has already ended the walk.
    return path.empty() || IsPathSeparator(path.back()) || EnsurePrefix(path, path.size(), root);
}

} // namespace glyphsmith
