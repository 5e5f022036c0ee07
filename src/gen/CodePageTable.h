// SPDX-License-Identifier: MIT
#pragma once

#include "HtfWriter.h"
#include "InputShortage.h"
#include "LineReader.h"
#include "SubfontRangeTable.h"

#include <algorithm>
#include <istream>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace glyphsmith {

// A Microsoft code page 936 table as Generator 2 reads it:
//
//   any lines, up to and including the first that holds ";LeadByte = 0x81"
//   one more line, passed over
//   per first byte 0x81, 0x82, ...: 190 lines for the second bytes 0x40..0x7E and
//     0x80..0xFE (no 0x7F), the Unicode value's four hex digits at characters 8 to 11
//     ("0x40<TAB>0x4E02"); then three lines passed over
//
// Only a line's position says which code it belongs to: code c of subfont s takes the
// line of position 256 * (s - 1) + c.
inline constexpr std::string_view kCodePageMarker = ";LeadByte = 0x81";

// The four hexadecimal digits at characters 8 to 11 of a table line, as spelt there.
std::optional<std::string_view> TableLineDigits(std::string_view line);

// The values of a table's lines, read once for a run: every font takes its codes from the
// same positions.
class CodePageTable {
  public:
    static CodePageTable Read(std::istream& in);

    // False when no line holds the marker: the table gives no values then.
    bool HasMarker() const { return hasMarker_; }
    // The lines read: all of them when the table ends before its last position.
    int LinesRead() const { return linesRead_; }

    // Eight bytes of reference and four of line: the 24,064 positions of a whole table
    // are most of what a run keeps in memory.
    struct Position {
        CharacterReference reference; // none when the line has no digits
        int line;
    };
    // The positions of subfont 1 to 94 from its code 0 on that the table reached: fewer
    // than 256, or none, when it ended before.
    std::span<const Position> PositionsOf(int subfont) const {
        const std::size_t first =
            std::min(std::size_t{kCodesPerSubfont} * static_cast<std::size_t>(subfont - 1),
                     positions_.size());
        return std::span(positions_)
            .subspan(first, std::min(std::size_t{kCodesPerSubfont}, positions_.size() - first));
    }

  private:
    std::vector<Position> positions_;
    bool hasMarker_ = false;
    int linesRead_ = 0;
};

// The codes of one subfont from its .enc file and the table. An .enc file is a first line,
// passed over, then one line per code 0 to 255: "/.notdef" anywhere in it marks a code
// without a character; any other line a code whose value the table gives. The .enc file is
// read for every code, written or not, so that it stays in step.
class EncodedSubfont {
  public:
    EncodedSubfont(std::istream& enc, const CodePageTable& table, int subfont,
                   InputShortage& encShortage, InputShortage& tableShortage);

    CharacterReference operator()(int code, bool rowWritten) {
        // Inline, as it is asked for every code: a code with a line and a value takes no call.
        const bool encHasLine = enc_.Next(encLine_);
        if (!rowWritten || (encHasLine && NamesNoCharacter(encLine_))) {
            return std::nullopt;
        }
        if (encHasLine) {
            const auto index = static_cast<std::size_t>(code);
            if (index < positions_.size() && positions_[index].reference) {
                return positions_[index].reference;
            }
        }
        NoteMissingValue(code, encHasLine);
        return std::nullopt;
    }

  private:
    // "/.notdef" anywhere in the line. Most lines are a glyph name of its length alone,
    // which the first comparison settles.
    static bool NamesNoCharacter(std::string_view encLine) {
        constexpr std::string_view kNoCharacter = "/.notdef";
        return encLine.starts_with(kNoCharacter) ||
               (encLine.size() > kNoCharacter.size() &&
                encLine.find(kNoCharacter, 1) != std::string_view::npos);
    }
    // Records why a written code, not marked as without a character, has no value.
    void NoteMissingValue(int code, bool encHasLine);

    LineReader enc_;
    const CodePageTable& table_;
    std::span<const CodePageTable::Position> positions_; // the subfont's, looked up once
    InputShortage& encShortage_;
    InputShortage& tableShortage_;
    std::string_view encLine_;
};

} // namespace glyphsmith
