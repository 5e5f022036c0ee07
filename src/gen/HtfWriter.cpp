#include "HtfWriter.h"

#include "Paths.h"
#include "SubfontRangeTable.h"

namespace glyphsmith {

namespace {

std::string RightAligned3(int code) {
    std::string digits = std::to_string(code);
    return std::string(digits.size() < 3 ? 3 - digits.size() : 0, ' ') + digits;
}

// The codes whose rows are written.
SubfontRange WrittenRange(const HtfFileSpec& file) {
    return file.discardBlanks ? RangeOfSubfont(file.subfont) : SubfontRange{0, 255};
}

} // namespace

std::string HtfHeaderLine(const HtfFileSpec& file) {
    const SubfontRange range = WrittenRange(file);
    return file.fontName + TwoDigits(file.subfont) + " " + std::to_string(range.first) + " " +
           std::to_string(range.last) + "\n";
}

std::string RowText(const CharacterReference& reference, int code) {
    if (!reference) {
        return "  ''       '' " + RightAligned3(code);
    }
    return "'&#" + *reference + ";' '' " + RightAligned3(code);
}

void WriteHtfFile(std::ostream& out, const HtfFileSpec& file, const CopyrightTemplate& copyright,
                  const Clock& dateOfFile, const CodeSource& codes) {
    const std::string header = HtfHeaderLine(file);
    out << header;
    RowCompleter completer(copyright, DatedComment(file.fontName, file.subfont, dateOfFile()));
    const SubfontRange range = WrittenRange(file);
    for (int code = 0; code < kCodesPerSubfont; ++code) {
        const bool written = code >= range.first && code <= range.last;
        const CharacterReference reference = codes(code, written);
        if (written) {
            std::string row = RowText(reference, code);
            completer.Complete(row);
            out << row;
        }
    }
    out << header;
}

} // namespace glyphsmith
