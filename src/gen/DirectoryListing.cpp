// SPDX-License-Identifier: MIT
#include "DirectoryListing.h"

#include "Paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace glyphsmith {

namespace {

std::string NameOf(const std::filesystem::directory_entry& entry) {
    return Utf8(entry.path().filename());
}

} // namespace

std::optional<std::vector<std::string>> ListSubdirectories(const std::string& directory) {
    std::error_code error;
    std::filesystem::directory_iterator it(FsPath(directory), error);
    if (error) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code kindError;
        if (it->is_directory(kindError)) {
            names.push_back(NameOf(*it));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

CaseInsensitiveDirectory::CaseInsensitiveDirectory(std::string directory)
    : directory_(std::move(directory)) {
    std::error_code error;
    std::filesystem::directory_iterator it(FsPath(directory_), error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::string name = NameOf(*it);
        const std::string lower = AsciiLower(name);
        // Of names that differ in case only, the one already in lower case wins.
        if (!namesOnDisk_.emplace(lower, name).second && name == lower) {
            namesOnDisk_[lower] = name;
        }
    }
}

std::string CaseInsensitiveDirectory::PathOf(const std::string& lowerName) const {
    const auto found = namesOnDisk_.find(lowerName);
    return JoinPath(directory_, found == namesOnDisk_.end() ? lowerName : found->second);
}

} // namespace glyphsmith
