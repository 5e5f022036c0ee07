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

HtfFileSpec GbkHtfFile(const FontName& font, int subfont, bool discardBlanks) {
    const SubfontRange entry = RangeOfSubfont(subfont);
    return {font, TwoDigits(subfont),
            discardBlanks ? CodeRange{entry.first, entry.last} : CodeRange{0, 255}};
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

void WriteHtfFile(std::ostream& out, const HtfFileSpec& file, const CopyrightTemplate& copyright,
                  const Clock& dateOfFile, const CodeSource& codes) {
    // The whole file is formed in memory and written at once.
    const std::string header = HtfHeaderLine(file);
    std::string text = header;
    text.reserve(kCodesPerSubfont * 64);
    RowCompleter completer(copyright, DatedComment(file.font.File(file.subfont), dateOfFile()));
    for (int code = 0; code < kCodesPerSubfont; ++code) {
        const bool written = code >= file.range.first && code <= file.range.last;
        const CharacterReference reference = codes(code, written);
        if (written) {
            AppendRowText(text, reference, code);
            completer.Complete(text);
        }
    }
    text.append(header);
    out << text;
}

} // namespace glyphsmith
