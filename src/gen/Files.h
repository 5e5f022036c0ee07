#pragma once

#include <fstream>
#include <string>

namespace glyphsmith {

// Output files are text files with the platform's line ends, created or emptied. A named
// pipe in the file's place counts as a file that cannot be created.
std::ofstream CreateOutputFile(const std::string& path);

// Closes an output file; false when any write or the close failed.
bool CloseOutputFile(std::ofstream& out);

// Opens an input file for LineReader; anything but a regular file (a directory, a device,
// a pipe) counts as a file that cannot be opened.
std::ifstream OpenInputFile(const std::string& path);

} // namespace glyphsmith
