#pragma once

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

namespace glyphsmith {

// Output files are text files with the platform's line ends, created or emptied. A named
// pipe in the file's place counts as a file that cannot be created.
std::ofstream CreateOutputFile(const std::string& path);

// Closes an output file; false when any write or the close failed.
bool CloseOutputFile(std::ofstream& out);

// An output file of a run, which replaces its target whole: the text goes into a new file
// beside the target and is renamed over it only once it is complete and closed, so that a
// failed write keeps the earlier file and leaves no partial one. A symbolic link stays a
// link: the file it points to is the one replaced.
class OutputFile {
  public:
    explicit OutputFile(const std::string& path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False when the file cannot be created; nothing has been touched then.
    bool IsOpen() const { return out_.is_open(); }
    std::ostream& Stream() { return out_; }

    // Closes the file and puts it in place of the earlier one; false when a write, the
    // close or the replacement failed, which leaves the earlier file as it was.
    bool Commit();

  private:
    void OpenAside();
    void RemoveAside();

    std::filesystem::path target_; // with its links followed
    std::filesystem::path aside_;  // empty when the target is written in place
    std::ofstream out_;
};

// Opens an input file for LineReader; anything but a regular file (a directory, a device,
// a pipe) counts as a file that cannot be opened.
std::ifstream OpenInputFile(const std::string& path);

} // namespace glyphsmith
