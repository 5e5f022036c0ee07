// SPDX-License-Identifier: MIT
#pragma once

#include <bitset>
#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphsmith {

// Consecutive positions of a subfont that hold consecutive values: position p + i holds
// value + i for i below count.
struct SfdRun {
    int position;
    std::uint32_t value;
    int count;

    bool operator==(const SfdRun&) const = default;
};

// One subfont of a subfont definition file: its name as the file writes it ("01", "4e",
// "0100") and the value of each of its 256 positions that the file gives.
class SfdSubfont {
  public:
    static constexpr int kPositions = 256;

    SfdSubfont(std::string name, int line) : name_(std::move(name)), line_(line) {}

    const std::string& Name() const { return name_; }
    // The line that names the subfont first.
    int Line() const { return line_; }

    // The value of position 0 to 255; none where the file gives none.
    std::optional<std::uint32_t> Value(int position) const;
    // The values in position order, neighbours joined.
    const std::vector<SfdRun>& Runs() const { return runs_; }

    // The first of count positions from position on that already holds a value.
    std::optional<int> FirstTaken(int position, int count) const;
    // Gives count positions from position on the values from value on. The positions
    // must lie within 0 to 255 and be free.
    void Place(int position, std::uint32_t value, int count);

  private:
    std::string name_;
    int line_;
    std::vector<SfdRun> runs_;
    std::bitset<kPositions> taken_;
};

// A fault of the file: the line of the entry at fault and why.
struct SfdNote {
    int line;
    std::string reason;

    bool operator==(const SfdNote&) const = default;
};

// A subfont definition file of the TeX font tools, read whole: every subfont under its
// own name, in file order. This serves any encoding's file; SubfontDefinitions is
// Generator 1's own reader of UGBK.sfd, which takes entries at fixed columns, keeps only
// the subfonts numbered 1 to 94 and reads from a marker line on.
//
//   file     = { line }                               LF ends a line
//   line     = comment | empty | subfont
//   comment  = [ws] "#" { character }                 also between continued lines
//   empty    = [ws]
//   subfont  = [ws] name { ws entry } [ws]            a line whose last character other
//                                                     than ws is "\" goes on in the next
//                                                     one, the "\" dropped
//   name     = characters other than ws, none of / \ : * ? " < > | or a control
//              character, since the name becomes part of a file name
//   entry    = number                a code at the next position
//            | number "_" number     the codes first to last at the next positions
//            | number ":"            an offset, 0 to 255: the position of the next code;
//                                    an entry may follow it without ws
//   number   = "0x" hex digits | "0" octal digits | decimal digits; at most 0xFFFFFFFF
//   ws       = space, tab, CR, form feed, vertical tab
//
// Positions start at 0 on every line; a subfont that several lines name gathers their
// codes. A fault (an entry that is no number, a position past 255, a position given
// twice, a name that cannot be part of a file name) is noted with its line, and the rest
// of that line is passed over; what the line gave before the fault stays. A NUL byte ends
// the reading: no text file holds one, but binary files and files saved as UTF-16 do.
// Memory grows with the codes kept, never with the length of a line or of the file: the
// notes beyond kMostNotes are only counted, and a subfont beyond kMostSubfonts is a fault.
class SfdFile {
  public:
    static constexpr std::size_t kMostNotes = 100;
    // Subfonts of 256 codes up to U+10FFFF take 4352 names; a file that names many more
    // is no subfont definition file.
    static constexpr std::size_t kMostSubfonts = 65536;

    static SfdFile Read(std::istream& in);

    const std::vector<SfdSubfont>& Subfonts() const { return subfonts_; }
    const SfdSubfont* Find(std::string_view name) const;
    const std::vector<SfdNote>& Notes() const { return notes_; }
    // The faults beyond the first kMostNotes.
    std::size_t NotesLeftOut() const { return notesLeftOut_; }
    // The line of the NUL byte at which the reading stopped.
    std::optional<int> NulByteLine() const { return nulByteLine_; }

  private:
    friend class SfdReader;

    SfdSubfont& SubfontNamed(const std::string& name, int line);

    std::vector<SfdSubfont> subfonts_;
    std::map<std::string, std::size_t, std::less<>> byName_;
    std::vector<SfdNote> notes_;
    std::size_t notesLeftOut_ = 0;
    std::optional<int> nulByteLine_;
};

} // namespace glyphsmith
