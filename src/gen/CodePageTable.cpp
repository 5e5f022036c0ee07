// SPDX-License-Identifier: MIT
#include "CodePageTable.h"

#include "HexDigits.h"

namespace glyphsmith {

namespace {

constexpr std::size_t kCodesPerLeadByte = 190; // second bytes 0x40..0x7E and 0x80..0xFE
constexpr int kLinesBetweenBlocks = 3;
// As many as the 94 subfonts ask for.
constexpr std::size_t kPositions = std::size_t{kSubfontCount} * kCodesPerSubfont;

CharacterReference ReferenceOf(std::optional<std::string_view> digits) {
    if (!digits) {
        return std::nullopt;
    }
    const char text[] = {'x', (*digits)[0], (*digits)[1], (*digits)[2], (*digits)[3]};
    return std::string_view(text, sizeof text);
}

} // namespace

std::optional<std::string_view> TableLineDigits(std::string_view line) {
    constexpr std::size_t kFirst = 7; // character 8, counting from 1
    constexpr std::size_t kCount = 4;
    if (line.size() < kFirst + kCount) {
        return std::nullopt;
    }
    const std::string_view digits = line.substr(kFirst, kCount);
    for (char c : digits) {
        if (!IsHexDigit(c)) {
            return std::nullopt;
        }
    }
    return digits;
}

CodePageTable CodePageTable::Read(std::istream& in) {
    CodePageTable table;
    LineReader reader(in);
    std::string_view line;
    while (!table.hasMarker_ && reader.Next(line)) {
        table.hasMarker_ = line.find(kCodePageMarker) != std::string_view::npos;
    }
    reader.Next(line);
    if (table.hasMarker_) {
        table.positions_.reserve(kPositions);
    }
    while (table.positions_.size() < kPositions && reader.Next(line)) {
        table.positions_.push_back({ReferenceOf(TableLineDigits(line)), reader.LineNumber()});
        if (table.positions_.size() % kCodesPerLeadByte == 0) { // the block's last code
            for (int i = 0; i < kLinesBetweenBlocks; ++i) {
                reader.Next(line);
            }
        }
    }
    table.linesRead_ = reader.LineNumber();
    return table;
}

EncodedSubfont::EncodedSubfont(std::istream& enc, const CodePageTable& table, int subfont,
                               InputShortage& encShortage, InputShortage& tableShortage)
    : enc_(enc), table_(table), positions_(table.PositionsOf(subfont)), encShortage_(encShortage),
      tableShortage_(tableShortage) {
    enc_.Next(encLine_); // the encoding's name
}

void EncodedSubfont::NoteMissingValue(int code, bool encHasLine) {
    if (!encHasLine) {
        encShortage_.Record(std::nullopt,
                            [&] { return EndedAfterLine("the file", enc_.LineNumber()); });
        return;
    }
    const auto index = static_cast<std::size_t>(code);
    if (index >= positions_.size()) { // the table ended before the code's line
        tableShortage_.Record(std::nullopt,
                              [&] { return EndedAfterLine("the table", table_.LinesRead()); });
    } else {
        tableShortage_.Record(positions_[index].line,
                              "no four hexadecimal digits at characters 8 to 11");
    }
}

} // namespace glyphsmith
