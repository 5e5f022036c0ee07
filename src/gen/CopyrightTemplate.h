// SPDX-License-Identifier: MIT
#pragma once

#include "CalendarDate.h"

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphsmith {

inline constexpr const char* kCopyrightTemplateFile = "copyright.txt";

// "copyright.txt" in the working directory: lines merged one per row into every generated .htf
// file, from the first line again for every file. It is read once per run and kept in memory; a
// UTF-8 byte order mark at its very start is left out. A file that begins with a UTF-16 byte
// order mark (little or big endian) is read as UTF-16 and kept as UTF-8, with U+FFFD for a lone
// surrogate or an odd last byte; any other file is taken as bytes.
class CopyrightTemplate {
  public:
    struct Line {
        std::string text;    // with its line end, if it had one
        bool isDatedComment; // holds ".htf" and so stands for the dated comment
    };

    static std::optional<CopyrightTemplate> Load(const std::string& path);
    static CopyrightTemplate Parse(std::istream& in);

    const std::vector<Line>& Lines() const { return lines_; }

  private:
    static CopyrightTemplate ParseLines(std::istream& in);

    std::vector<Line> lines_;
};

// The comment that replaces a template line holding ".htf" in the .htf file of that
// name: " % gbksong01.htf (unicode)      2005-05-18 %\n". The year is right-aligned in 23
// minus the byte length of the file name, so that it ends in one column for names of up
// to 19 bytes; a negative width left-aligns it.
std::string DatedComment(std::string_view fileName, CalendarDate date);

} // namespace glyphsmith
