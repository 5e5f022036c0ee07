// SPDX-License-Identifier: MIT
#include "SubfontDefinitions.h"

#include "HexDigits.h"
#include "LineReader.h"
#include "Paths.h"

#include <algorithm>
#include <cctype>

namespace glyphsmith {

namespace {

constexpr std::size_t kFirstEntryColumn = 4;
constexpr std::size_t kEntryStep = 7;

// The GBK sequence has 126 lead bytes of 190 codes: the last 124 codes of subfont 94 lie
// beyond it, so the file rightly lists only 132 codes there.
constexpr int kGbkCodeCount = 126 * 190;

std::string_view WithoutTrailingBlanks(std::string_view text) {
    const std::size_t end = text.find_last_not_of(" \t\r");
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

// The part of a line that holds entries: without the " \" that continues it.
std::string_view EntryPart(std::string_view line) {
    line = WithoutTrailingBlanks(line);
    if (!line.empty() && line.back() == '\\') {
        line.remove_suffix(1);
    }
    return WithoutTrailingBlanks(line);
}

SfdEntryKind KindOf(std::string_view text) {
    const bool wellFormed = text.size() == kSfdEntryWidth && text[0] == 'x' &&
                            IsHexDigit(text[1]) && IsHexDigit(text[2]) && IsHexDigit(text[3]) &&
                            IsHexDigit(text[4]);
    if (!wellFormed) {
        return SfdEntryKind::Malformed;
    }
    // A row may never name the non-character U+FFFE, however the file spells it. The
    // digits are hexadecimal here, which the lower-case bit leaves apart.
    const bool noCharacter = (text[1] | 0x20) == 'f' && (text[2] | 0x20) == 'f' &&
                             (text[3] | 0x20) == 'f' && (text[4] | 0x20) == 'e';
    return noCharacter ? SfdEntryKind::NoCharacter : SfdEntryKind::Character;
}

bool IsPassedOver(std::string_view line) {
    return (!line.empty() && line[0] == '#') || WithoutTrailingBlanks(line).empty();
}

// The number that begins a numbered line; none for any other line.
std::optional<int> SubfontNumberOf(std::string_view line) {
    if (line.empty() || !std::isdigit(static_cast<unsigned char>(line[0]))) {
        return std::nullopt;
    }
    int number = 0;
    for (std::size_t i = 0; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]));
         ++i) {
        number = std::min(number * 10 + (line[i] - '0'), 1000); // large numbers name no subfont
    }
    return number;
}

bool IsKept(int subfont) {
    return subfont >= 1 && subfont <= kSubfontCount;
}

} // namespace

namespace {

// Gives each entry of a line to take, the first `most` of them.
template <typename Take> void ForEachEntry(std::string_view line, std::size_t most, Take take) {
    const std::string_view part = EntryPart(line);
    for (std::size_t column = kFirstEntryColumn, taken = 0; column < part.size() && taken < most;
         column += kEntryStep, ++taken) {
        const std::string_view text(part.data() + column,
                                    std::min(kSfdEntryWidth, part.size() - column));
        take(SfdEntry{text, KindOf(text)});
    }
}

} // namespace

std::vector<SfdEntry> SfdLineEntries(std::string_view line, std::size_t most) {
    std::vector<SfdEntry> entries;
    ForEachEntry(line, most, [&](const SfdEntry& entry) { entries.push_back(entry); });
    return entries;
}

SubfontDefinitions SubfontDefinitions::Read(std::istream& in) {
    SubfontDefinitions file;
    LineReader reader(in);
    std::string_view line;
    bool markerSeen = false;
    int current = 0; // the subfont being read; 0 before the first numbered line
    while (reader.Next(line)) {
        if (!markerSeen && line.find(kSfdMarker) != std::string_view::npos) {
            // Lines before the marker were read only in case no line holds it.
            file = SubfontDefinitions();
            markerSeen = true;
            current = 0;
            continue;
        }
        if (IsPassedOver(line)) {
            continue;
        }
        current = SubfontNumberOf(line).value_or(current);
        if (IsKept(current)) {
            file.Take(current, line, reader.LineNumber());
        }
    }
    file.lineCount_ = reader.LineNumber();
    if (!markerSeen) {
        file.problems_.insert(
            file.problems_.begin(),
            {std::nullopt, EndedWithoutMarker("the file", file.lineCount_, kSfdMarker) +
                               ", so it is read from its first line"});
    }
    return file;
}

void SubfontDefinitions::Take(int subfont, std::string_view line, int lineNumber) {
    Subfont& listed = subfonts_[subfont - 1];
    listed.listed = true;
    listed.lastLine = lineNumber;
    if (listed.entries.empty()) {
        listed.entries.reserve(kCodesPerSubfont); // the room that most subfonts fill
    }
    // One entry beyond the subfont's room is enough to tell that it lists too many, however
    // long the line.
    ForEachEntry(line, kCodesPerSubfont + 1 - listed.entries.size(), [&](const SfdEntry& entry) {
        if (listed.entries.size() < kCodesPerSubfont) {
            listed.entries.emplace_back(entry, lineNumber);
        } else if (!listed.overfull) {
            listed.overfull = true;
            problems_.push_back({lineNumber, "subfont " + TwoDigits(subfont) +
                                                 " lists more than 256 codes; the rest are "
                                                 "passed over"});
        }
    });
}

CharacterReference SubfontDefinitions::ReferenceOfOther(int subfont, int code,
                                                        InputShortage& shortage) const {
    const Subfont& listed = subfonts_[subfont - 1];
    if (!listed.listed) {
        shortage.Record(std::nullopt, [&] {
            return EndedAfterLine("the file", lineCount_) + " and lists no subfont " +
                   TwoDigits(subfont);
        });
        return std::nullopt;
    }
    if (static_cast<std::size_t>(code) >= listed.entries.size()) {
        if (kCodesPerSubfont * (subfont - 1) + code < kGbkCodeCount) {
            shortage.Record(listed.lastLine, [&] {
                return "subfont " + TwoDigits(subfont) + " ends after " +
                       std::to_string(listed.entries.size()) + " codes";
            });
        }
        return std::nullopt;
    }
    const ListedEntry& listedEntry = listed.entries[code];
    if (listedEntry.kind == SfdEntryKind::NoCharacter) {
        return std::nullopt;
    }
    shortage.Record(listedEntry.line, [&] {
        return "the entry \"" + std::string(listedEntry.Text()) +
               "\" is not x and four hexadecimal digits";
    });
    return std::nullopt;
}

} // namespace glyphsmith
