// SPDX-License-Identifier: MIT
#pragma once

#include "HtfWriter.h"
#include "InputShortage.h"
#include "LineReader.h"

#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace glyphsmith {

// A Microsoft code page 936 table as Generator 2 reads it:
//
//   any lines, up to and including the first that holds ";LeadByte = 0x81"
//   one more line, passed over
//   per first byte 0x81, 0x82, ...: 190 lines for the second bytes 0x40..0x7E and
//     0x80..0xFE (no 0x7F), the Unicode value's four hex digits at characters 8 to 11
//     ("0x40<TAB>0x4E02"); then three lines passed over
//
// Only a line's position says which code it belongs to.
inline constexpr std::string_view kCodePageMarker = ";LeadByte = 0x81";

// The four hexadecimal digits at characters 8 to 11 of a table line, as spelt there.
std::optional<std::string_view> TableLineDigits(std::string_view line);

// Walks the table code by code, with the trail byte that says when a block ends.
class CodePageWalk {
  public:
    struct Value {
        // None when the line has none, or the table ended; valid until the next step.
        std::optional<std::string_view> digits;
        int line; // the line read; after the end, the last one
        bool tableEnded;
    };

    explicit CodePageWalk(std::istream& in) : reader_(in) {}

    // Reads past the marker line and one more; false when no line holds the marker.
    bool SkipPreamble();

    // The value of the next code; advances the trail byte.
    Value Next();

    int LinesRead() const { return reader_.LineNumber(); }

  private:
    void AdvanceTrailByte();

    LineReader reader_;
    std::string_view line_;
    int trailByte_ = 0x40;
    bool blockEnded_ = false; // the lines between two blocks come next
};

// The codes of one subfont from its .enc file and the table walk. An .enc file is a first
// line, passed over, then one line per code 0 to 255: "/.notdef" anywhere in it marks a
// code without a character; any other line a code whose value the table gives. Both
// inputs are read for every code, written or not, so they stay in step.
class EncodedSubfont {
  public:
    EncodedSubfont(std::istream& enc, CodePageWalk& table, InputShortage& encShortage,
                   InputShortage& tableShortage);

    CharacterReference operator()(int code, bool rowWritten);

  private:
    LineReader enc_;
    CodePageWalk& table_;
    InputShortage& encShortage_;
    InputShortage& tableShortage_;
    std::string_view encLine_;
};

} // namespace glyphsmith
