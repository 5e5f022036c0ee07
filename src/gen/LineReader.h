// SPDX-License-Identifier: MIT
#pragma once

#include <istream>
#include <string>

namespace glyphsmith {

// Reads text lines of any length. LF ends a line; a CR before it belongs to the line
// end, so files written on Windows read the same everywhere.
class LineReader {
  public:
    explicit LineReader(std::istream& in) : in_(in) {}

    // The next line without its line end; false at the end of the input.
    bool Next(std::string& line);

    // Number of the line that Next() returned last, counting from 1.
    int LineNumber() const { return lineNumber_; }

    // Whether the line that Next() returned last ended with a line end.
    bool HadLineEnd() const { return hadLineEnd_; }

  private:
    std::istream& in_;
    int lineNumber_ = 0;
    bool hadLineEnd_ = false;
};

} // namespace glyphsmith
