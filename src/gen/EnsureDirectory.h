// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace glyphsmith {

// Creates every missing directory of a path, shortest prefix first. True when every
// directory on the path exists afterwards. An entry of any kind counts as existing, so
// a file in the way is found later, when files are created in it. The path's root counts
// as existing without a look: on Windows a drive ("C:"), a share ("\\server\share") and
// their long forms ("\\?\C:", "\\?\UNC\server\share"), which are no entries of their own.
bool EnsureDirectory(const std::string& path);

// The length of the path's root, which names no directory to make; 0 for a relative path
// and for one that begins with a separator.
std::size_t RootLength(std::string_view path);

// Whether any directory entry (directory, file, link) has this name.
bool EntryExists(const std::string& path);

} // namespace glyphsmith
