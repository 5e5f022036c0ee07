// SPDX-License-Identifier: MIT
#pragma once

#include <istream>
#include <memory>
#include <string>
#include <string_view>

namespace glyphsmith {

// Reads text lines of any length. LF ends a line; a CR before it belongs to the line
// end, so files written on Windows read the same everywhere.
//
// It reads the stream ahead in blocks of its own, so nothing else should read the same
// stream once it has begun.
class LineReader {
  public:
    // Large enough that a run's inputs take few reads, small enough that the readers of a
    // run add little to its memory.
    static constexpr std::size_t kBlockSize = 16 * 1024;

    explicit LineReader(std::istream& in) : in_(in) {}

    // The next line without its line end, valid until the next call; false at the end of
    // the input.
    bool Next(std::string_view& line);
    // The same, copied into line.
    bool Next(std::string& line);

    // Number of the line that Next() returned last, counting from 1.
    int LineNumber() const { return lineNumber_; }

    // Whether the line that Next() returned last ended with a line end.
    bool HadLineEnd() const { return hadLineEnd_; }

  private:
    // Reads the next block; false at the end of the input.
    bool Refill();
    // The rest of the block up to the next line end, which it passes.
    std::string_view TakeUpToLineEnd();

    std::istream& in_;
    std::unique_ptr<char[]> block_; // none before the first read
    std::size_t next_ = 0;          // in block_
    std::size_t end_ = 0;
    std::string spill_; // a line that runs on past its block
    int lineNumber_ = 0;
    bool hadLineEnd_ = false;
};

} // namespace glyphsmith
