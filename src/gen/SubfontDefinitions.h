// SPDX-License-Identifier: MIT
#pragma once

#include "HtfWriter.h"
#include "InputShortage.h"
#include "SubfontRangeTable.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <istream>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphsmith {

// A subfont definition file (UGBK.sfd) as Generator 1 reads it:
//
//   preamble   lines up to and including the first that holds "The input encoding is
//              Unicode"; without such a line the file is read from its first line
//   comment    a line that begins with "#", passed over
//   blank      a line of blanks only, passed over
//   numbered   a line that begins with a decimal subfont number ("01 0x4E02 ..."); its
//              entries follow those that the subfont already has
//   other      a continuation line of the subfont of the numbered line above it
//
// Numbered and continuation lines hold entries at fixed columns: the five characters at
// column 4 + 7k (counting from 0), as many as the line holds before an ending " \". An
// entry is "x" and four hexadecimal digits ("x4E02"); any spelling of xFFFE marks a code
// without a character. Entries are the codes 0, 1, 2, ... of their subfont in turn, 256
// at most. Only subfonts 01 to 94 are kept; subfont 00 and others are passed over.
inline constexpr std::string_view kSfdMarker = "The input encoding is Unicode";
inline constexpr std::size_t kSfdEntryWidth = 5;

enum class SfdEntryKind : std::uint8_t { Character, NoCharacter, Malformed };

struct SfdEntry {
    std::string_view text; // in the line, as the file spells it, digit case kept
    SfdEntryKind kind;

    bool operator==(const SfdEntry&) const = default;
};

// The entries of one numbered or continuation line, the first `most` of them; they point
// into the line.
std::vector<SfdEntry> SfdLineEntries(std::string_view line,
                                     std::size_t most = std::numeric_limits<std::size_t>::max());

// A problem of the file as a whole (no marker, a subfont with too many codes), which
// the run notes once for every family.
struct SfdProblem {
    std::optional<int> line; // none when the file has ended without what it lacks
    std::string reason;
};

class SubfontDefinitions {
  public:
    static SubfontDefinitions Read(std::istream& in);

    // The reference of code 0 to 255 of subfont 1 to 94, none for a code without a
    // character. A code whose value the file cannot give is recorded in shortage.
    CharacterReference Reference(int subfont, int code, InputShortage& shortage) const {
        const Subfont& listed = subfonts_[subfont - 1];
        const auto index = static_cast<std::size_t>(code);
        if (index < listed.entries.size() &&
            listed.entries[index].kind == SfdEntryKind::Character) {
            // Always of the full width, whose copy costs a move or two.
            return std::string_view(listed.entries[index].text.data(), kSfdEntryWidth);
        }
        return ReferenceOfOther(subfont, code, shortage);
    }
    // Frees the entries of a subfont whose references are asked for no more, so that a run
    // need not hold them beside what it has formed from them.
    void Release(int subfont) { std::vector<ListedEntry>().swap(subfonts_[subfont - 1].entries); }

    const std::vector<SfdProblem>& Problems() const { return problems_; }

  private:
    // An entry in a fixed dozen bytes: the 24,000 entries of a whole file are most of
    // what a run keeps in memory.
    struct ListedEntry {
        std::array<char, kSfdEntryWidth> text; // as the file spells it, digit case kept
        std::uint8_t length;                   // shorter than the width only when malformed
        SfdEntryKind kind;
        int line;

        ListedEntry(const SfdEntry& entry, int lineNumber)
            : text(), length(static_cast<std::uint8_t>(entry.text.size())), kind(entry.kind),
              line(lineNumber) {
            // Nearly every entry fills the width, and a copy of a fixed length costs a move
            // or two.
            if (length == kSfdEntryWidth) {
                std::memcpy(text.data(), entry.text.data(), kSfdEntryWidth);
            } else {
                entry.text.copy(text.data(), text.size());
            }
        }
        std::string_view Text() const { return {text.data(), length}; }
    };
    struct Subfont {
        bool listed = false;
        int lastLine = 0; // the last line that belongs to it
        bool overfull = false;
        std::vector<ListedEntry> entries;
    };

    void Take(int subfont, std::string_view line, int lineNumber);
    // Reference() of a code without an entry of a character: none listed, a non-character
    // or a malformed one.
    CharacterReference ReferenceOfOther(int subfont, int code, InputShortage& shortage) const;

    std::array<Subfont, kSubfontCount> subfonts_;
    std::vector<SfdProblem> problems_;
    int lineCount_ = 0;
};

} // namespace glyphsmith
