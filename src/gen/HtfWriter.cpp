// SPDX-License-Identifier: MIT
#include "HtfWriter.h"

#include "SubfontRangeTable.h"

namespace glyphsmith {

namespace {

// The code in decimal, right-aligned in three columns.
void AppendCode(std::string& text, int code) {
    const char digits[3] = {code >= 100 ? static_cast<char>('0' + code / 100) : ' ',
                            code >= 10 ? static_cast<char>('0' + code / 10 % 10) : ' ',
                            static_cast<char>('0' + code % 10)};
    text.append(digits, 3);
}

void AppendRowText(std::string& text, const CharacterReference& reference, int code) {
    if (reference) {
        text.append("'&#").append(*reference).append(";' '' ");
    } else {
        text.append("  ''       '' ");
    }
    AppendCode(text, code);
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
    return file.font.Subfont(file.subfont) + " " + std::to_string(file.range.first) + " " +
           std::to_string(file.range.last) + "\n";
}

std::string RowText(const CharacterReference& reference, int code) {
    std::string text;
    AppendRowText(text, reference, code);
    return text;
}

std::string FormRows(CodeRange range, const CodeSource& codes) {
    // Rows are kept for a whole run: room for exactly as many as the file writes.
    constexpr std::size_t kRowSize = 18; // with its line end
    std::string rows;
    rows.reserve(kRowSize * static_cast<std::size_t>(range.last - range.first + 1));
    for (int code = 0; code < kCodesPerSubfont; ++code) {
        const bool written = code >= range.first && code <= range.last;
        const CharacterReference reference = codes(code, written);
        if (written) {
            AppendRowText(rows, reference, code);
            rows.push_back('\n');
        }
    }
    return rows;
}

void WriteFormedHtfFile(std::ostream& out, const HtfFileSpec& file,
                        const CopyrightTemplate& copyright, CalendarDate date,
                        std::string_view rows) {
    // The whole file is formed in memory and written at once. The template's lines end the
    // first rows in turn; the rows after them keep the bare line ends they were formed with.
    const std::string header = HtfHeaderLine(file);
    const std::string datedComment = DatedComment(file.font.File(file.subfont), date);
    std::string text;
    text.reserve(kCodesPerSubfont * 64);
    text.append(header);
    for (const CopyrightTemplate::Line& line : copyright.Lines()) {
        const std::size_t end = rows.find('\n');
        if (end == std::string_view::npos) {
            break;
        }
        text.append(rows.substr(0, end)).append(line.isDatedComment ? datedComment : line.text);
        rows.remove_prefix(end + 1);
    }
    text.append(rows).append(header);
    out << text;
}

void WriteHtfFile(std::ostream& out, const HtfFileSpec& file, const CopyrightTemplate& copyright,
                  const Clock& dateOfFile, const CodeSource& codes) {
    const CalendarDate date = dateOfFile();
    WriteFormedHtfFile(out, file, copyright, date, FormRows(file.range, codes));
}

} // namespace glyphsmith
