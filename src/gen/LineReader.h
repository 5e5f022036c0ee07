// SPDX-License-Identifier: MIT
#pragma once

#include <cstring>
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
    bool Next(std::string_view& line) {
        // Inline, as most lines lie wholly in the block: a search for the line end and no copy.
        const char* lineEnd = LineEndAfter(next_);
        if (lineEnd == nullptr) {
            return NextAcrossBlocks(line);
        }
        line = TakeLineInBlock(lineEnd);
        return true;
    }
    // The same, copied into line.
    bool Next(std::string& line);

    // Appends up to count of the next lines to text, each ended by a bare LF whatever
    // ended it in the input; the number appended, fewer at the end of the input. The
    // lines of a block are appended in spans, broken only where a CR LF ends one.
    int AppendLines(std::string& text, int count);

    // Number of the line that Next() or AppendLines() took last, counting from 1.
    int LineNumber() const { return lineNumber_; }

    // Whether the line that Next() or AppendLines() took last ended with a line end.
    bool HadLineEnd() const { return hadLineEnd_; }

  private:
    // The end of the line that begins at lineStart in the block, if the block holds it.
    const char* LineEndAfter(const char* lineStart) const {
        if (lineStart == end_) {
            return nullptr; // also before the first block, which memchr must not be given
        }
        return static_cast<const char*>(
            std::memchr(lineStart, '\n', static_cast<std::size_t>(end_ - lineStart)));
    }
    // The line that begins at next_ and ends at lineEnd in the block, which it passes.
    std::string_view TakeLineInBlock(const char* lineEnd) {
        const std::string_view line(next_, lineEnd);
        next_ = lineEnd + 1;
        hadLineEnd_ = true;
        return Counted(line);
    }
    // Next() of a line that the block does not hold whole: the first of a block, one that
    // runs on past its block, or the last without a line end.
    bool NextAcrossBlocks(std::string_view& line);
    // A line taken: counted, and without the CR of a CR LF.
    std::string_view Counted(std::string_view line) {
        ++lineNumber_;
        if (hadLineEnd_ && line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        return line;
    }
    // AppendLines() of the lines that the block holds whole.
    int AppendLinesInBlock(std::string& text, int count);
    // Reads the next block; false at the end of the input.
    bool Refill();
    // The rest of the block up to the next line end, which it passes.
    std::string_view TakeUpToLineEnd();

    std::istream& in_;
    std::unique_ptr<char[]> block_; // none before the first read
    const char* next_ = nullptr;    // in block_
    const char* end_ = nullptr;
    std::string spill_; // a line that runs on past its block
    int lineNumber_ = 0;
    bool hadLineEnd_ = false;
};

} // namespace glyphsmith
