// SPDX-License-Identifier: MIT
#include "HtfWriter.h"

#include "SubfontRangeTable.h"

#include <algorithm>

namespace glyphsmith {

namespace {

// A row with its line end: 18 characters with "x" and four digits, more with longer references.
constexpr std::size_t kLongestRowSize = 18 + CharacterReference::kMaxLength - 5;

// How many of the codes 0 to 255 the range holds.
std::size_t CodesIn(CodeRange range) {
    const int count = std::min(range.last, kCodesPerSubfont - 1) - std::max(range.first, 0) + 1;
    return static_cast<std::size_t>(std::max(count, 0));
}

} // namespace

CodeRange GbkCodeRange(int subfont, bool discardBlanks) {
    const SubfontRange entry = RangeOfSubfont(subfont);
    return discardBlanks ? CodeRange{entry.first, entry.last} : CodeRange{0, 255};
}

HtfFileSpec GbkHtfFile(const FontName& font, int subfont, bool discardBlanks) {
    return {font, TwoDigits(subfont), GbkCodeRange(subfont, discardBlanks)};
}

std::string HtfHeaderLine(const HtfFileSpec& file) {
    std::string line = file.font.Subfont(file.subfont);
    line.reserve(line.size() + sizeof " 255 255\n");
    line.append(" ").append(std::to_string(file.range.first));
    line.append(" ").append(std::to_string(file.range.last)).append("\n");
    return line;
}

std::string RowText(CharacterReference reference, int code) {
    RowBuffer row({code, code});
    row.Add(reference, code);
    std::string text = row.Take();
    text.pop_back(); // the line end
    return text;
}

RowBuffer::RowBuffer(CodeRange range)
    : rows_(kLongestRowSize * CodesIn(range), '\0'), end_(rows_.data()) {}

std::string RowBuffer::Take() {
    rows_.resize(static_cast<std::size_t>(end_ - rows_.data()));
    return std::move(rows_);
}

MergedRows MergeTemplate(std::string_view rows, const CopyrightTemplate& copyright) {
    // The template's lines end the first rows in turn; the rows after them keep the bare
    // line ends they were formed with.
    MergedRows merged{{std::string()}};
    for (const CopyrightTemplate::Line& line : copyright.Lines()) {
        const std::size_t end = rows.find('\n');
        if (end == std::string_view::npos) {
            break;
        }
        merged.pieces.back().append(rows.substr(0, end));
        rows.remove_prefix(end + 1);
        if (line.isDatedComment) {
            merged.pieces.emplace_back();
        } else {
            merged.pieces.back().append(line.text);
        }
    }
    merged.pieces.back().append(rows);
    return merged;
}

void WriteMergedHtfFile(std::ostream& out, const HtfFileSpec& file, CalendarDate date,
                        const MergedRows& rows) {
    const std::string header = HtfHeaderLine(file);
    out << header << rows.pieces.front();
    if (rows.pieces.size() > 1) {
        const std::string datedComment = DatedComment(file.font.File(file.subfont), date);
        for (std::size_t piece = 1; piece < rows.pieces.size(); ++piece) {
            out << datedComment << rows.pieces[piece];
        }
    }
    out << header;
}

void WriteFormedHtfFile(std::ostream& out, const HtfFileSpec& file,
                        const CopyrightTemplate& copyright, CalendarDate date,
                        std::string_view rows) {
    WriteMergedHtfFile(out, file, date, MergeTemplate(rows, copyright));
}

} // namespace glyphsmith
