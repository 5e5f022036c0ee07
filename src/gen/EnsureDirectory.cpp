#include "EnsureDirectory.h"

#include "Paths.h"

#include <system_error>

namespace glyphsmith {

namespace {

bool IsRootPrefix([[maybe_unused]] const std::string& path, std::size_t end) {
#ifdef _WIN32
    // A drive designator such as "C:" names no entry of its own but always exists.
    return end == 2 && path[1] == ':';
#else
    // The empty prefix before the leading slash of an absolute path is the root.
    return end == 0;
#endif
}

bool EnsurePrefix(const std::string& path, std::size_t end) {
    const std::string prefix = path.substr(0, end);
    if (IsRootPrefix(path, end) || EntryExists(prefix)) {
        return true;
    }
    if (prefix.empty()) {
        return false;
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
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsPathSeparator(path[i]) && !EnsurePrefix(path, i)) {
            return false;
        }
    }
    // A separator at the very end has already ended the walk.
    return path.empty() || IsPathSeparator(path.back()) || EnsurePrefix(path, path.size());
}

} // namespace glyphsmith
