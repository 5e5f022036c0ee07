// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace glyphsmith {

// The names of the subdirectories of a directory, "." and ".." left out, in byte order
// so that runs are reproducible; none when the directory cannot be listed.
std::optional<std::vector<std::string>> ListSubdirectories(const std::string& directory);

// The entries of one directory by their lower-cased names, so that files are found
// whatever their letter case on a file system that tells cases apart.
class CaseInsensitiveDirectory {
  public:
    explicit CaseInsensitiveDirectory(std::string directory);

    // The path of the entry whose lower-cased name is lowerName; when there is none,
    // the path formed with lowerName itself.
    std::string PathOf(const std::string& lowerName) const;

  private:
    std::string directory_;
    std::map<std::string, std::string> namesOnDisk_;
};

} // namespace glyphsmith
