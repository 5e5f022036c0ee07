#pragma once

#include <string>

namespace glyphsmith {

// Creates every missing directory of a path, shortest prefix first. True when every
// directory on the path exists afterwards. An entry of any kind counts as existing, so
// a file in the way is found later, when files are created in it.
bool EnsureDirectory(const std::string& path);

// Whether any directory entry (directory, file, link) has this name.
bool EntryExists(const std::string& path);

} // namespace glyphsmith
