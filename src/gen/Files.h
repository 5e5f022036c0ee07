#pragma once

#include "AsideFile.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

namespace glyphsmith {

// Output files are text files with the platform's line ends, created or emptied. A named
// pipe in the file's place counts as a file that cannot be created.
std::ofstream CreateOutputFile(const std::string& path);

// Closes an output file; false when any write or the close failed.
bool CloseOutputFile(std::ofstream& out);

// An output file of a run, which replaces its target whole: the text is kept in memory,
// written at once into a new file beside the target and renamed over it only once it is
// complete and closed, so that a failed write keeps the earlier file and leaves no partial
// one. A symbolic link stays a link: the file it points to is the one replaced; the new
// file takes the earlier one's permissions. A file that may not be written, such as a
// read-only one, is not replaced.
class OutputFile {
  public:
    explicit OutputFile(const std::string& path);

    // False when the file cannot be created; nothing has been touched then.
    bool IsOpen() const { return aside_.IsOpen() || inPlace_.is_open(); }
    std::ostream& Stream() { return text_; }

    // Writes the file and puts it in place of the earlier one; false when a write, the
    // close or the replacement failed, which leaves the earlier file as it was.
    bool Commit();

  private:
    std::filesystem::path target_; // with its links followed
    AsideFile aside_;
    std::ofstream inPlace_; // a device, which holds no earlier text to keep
    std::ostringstream text_;
};

// Opens an input file for LineReader; anything but a regular file (a directory, a device,
// a pipe) counts as a file that cannot be opened.
std::ifstream OpenInputFile(const std::string& path);

} // namespace glyphsmith
