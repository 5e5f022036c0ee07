// SPDX-License-Identifier: MIT
#pragma once

#include "AsideFile.h"

#include <fstream>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>
#include <string>

namespace glyphsmith {

// Output files are text files with the platform's line ends, created or emptied. A named
// pipe in the file's place counts as a file that cannot be created.
std::ofstream CreateOutputFile(const std::string& path);

// Closes an output file; false when any write or the close failed.
bool CloseOutputFile(std::ofstream& out);

// What the output files of one run share: the directories that the run has looked through
// for an interrupted run's aside files, and the aside file that the latest replaced file
// left, which serves the next file of its directory.
class OutputFiles {
  public:
    OutputFiles() = default;
    OutputFiles(const OutputFiles&) = delete;
    OutputFiles& operator=(const OutputFiles&) = delete;

    // An aside file for a target in directory; not open when none can be created. The
    // run's first file in a directory clears what an interrupted run left there.
    AsideFile AsideFor(const NativePath& directory, const TargetStatus& target);
    // Keeps what an output file's aside file left for the next file.
    void Keep(AsideFile&& aside) { spare_ = std::move(aside); }
    // Removes the kept aside file once the run writes no more files.
    void Close() { spare_.Discard(); }
    // The stream for the text of the next output file, empty: one for the whole run, so
    // that a file costs neither a stream's set-up nor the growth of its buffer.
    std::ostringstream& FreshText();

  private:
    std::set<NativePath> swept_;
    AsideFile spare_;
    std::ostringstream text_;
};

// An output file of a run, which replaces its target whole: the text is kept in memory,
// written at once into a file beside the target and put in its place only once it is
// complete and closed, so that a failed write keeps the earlier file and leaves no partial
// one. A symbolic link stays a link: the file it points to is the one replaced; the new
// file takes the earlier one's permissions. A file that may not be written, such as a
// read-only one, is not replaced. A hard-linked target is replaced under the one name
// written to; its other names keep the earlier text. A run writes one output file at a
// time.
class OutputFile {
  public:
    OutputFile(const std::string& path, OutputFiles& run);

    // False when the file cannot be created; nothing has been touched then.
    bool IsOpen() const { return aside_.IsOpen() || (inPlace_ && inPlace_->is_open()); }
    std::ostream& Stream() { return text_; }

    // Writes the file and puts it in place of the earlier one; false when a write, the
    // close or the replacement failed, which leaves the earlier file as it was.
    bool Commit();

  private:
    OutputFiles& run_;
    NativePath target_; // with its links followed
    TargetStatus status_;
    AsideFile aside_;
    // A device, which holds no earlier text to keep; set up only for one, since a stream's
    // set-up costs more than forming a file's text.
    std::optional<std::ofstream> inPlace_;
    std::ostringstream& text_;
};

// Opens an input file for LineReader; anything but a regular file (a directory, a device,
// a pipe) counts as a file that cannot be opened.
std::ifstream OpenInputFile(const std::string& path);

} // namespace glyphsmith
