// SPDX-License-Identifier: MIT
#include "CopyrightTemplate.h"

#include "Files.h"
#include "LineReader.h"
#include "Paths.h"
#include "Unicode.h"

#include <iterator>
#include <sstream>

namespace glyphsmith {

namespace {

// Some editors begin a UTF-8 file with it; it is no text of the template.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The byte order of a text that begins with a UTF-16 byte order mark, which is taken from
// the stream; none, and nothing taken, for any other text.
std::optional<ByteOrder> TakeUtf16ByteOrderMark(std::istream& in) {
    const int first = in.peek();
    if (first != 0xFF && first != 0xFE) {
        return std::nullopt;
    }
    in.get();
    const int second = in.peek();
    if (second == (first ^ 0x01)) {
        in.get();
        return first == 0xFF ? ByteOrder::LittleEndian : ByteOrder::BigEndian;
    }
    in.unget();
    return std::nullopt;
}

} // namespace

std::optional<CopyrightTemplate> CopyrightTemplate::Load(const std::string& path) {
    std::ifstream in = OpenInputFile(path);
    if (!in) {
        return std::nullopt;
    }
    return Parse(in);
}

// A template that Notepad saved as "Unicode" is read as the text it holds, so that the
// files get the same bytes as from that text in UTF-8.
CopyrightTemplate CopyrightTemplate::Parse(std::istream& in) {
    if (const std::optional<ByteOrder> order = TakeUtf16ByteOrderMark(in)) {
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        std::istringstream text(Utf8FromUtf16Bytes(bytes, *order));
        return ParseLines(text);
    }
    return ParseLines(in);
}

CopyrightTemplate CopyrightTemplate::ParseLines(std::istream& in) {
    CopyrightTemplate copyright;
    LineReader reader(in);
    std::string text;
    while (reader.Next(text)) {
        if (reader.LineNumber() == 1 && text.starts_with(kUtf8ByteOrderMark)) {
            text.erase(0, kUtf8ByteOrderMark.size());
        }
        const bool dated = text.find(".htf") != std::string::npos;
        // A last line without its line end still gets one, so that a row never runs on
        // into the next.
        text.push_back('\n');
        copyright.lines_.push_back({std::move(text), dated});
    }
    return copyright;
}

std::string DatedComment(std::string_view fileName, CalendarDate date) {
    const int width = 23 - static_cast<int>(fileName.size());
    const std::string year = std::to_string(date.year);
    const std::size_t pad = static_cast<std::size_t>(width < 0 ? -width : width);
    const std::size_t blanks = pad > year.size() ? pad - year.size() : 0;

    std::string line;
    line.reserve(fileName.size() + blanks + year.size() + sizeof " %  (unicode)-MM-DD %\n");
    line.append(" % ").append(fileName).append(" (unicode)");
    if (width < 0) {
        line.append(year).append(blanks, ' ');
    } else {
        line.append(blanks, ' ').append(year);
    }
    line.append("-").append(TwoDigits(date.month)).append("-").append(TwoDigits(date.day));
    line.append(" %\n");
    return line;
}

} // namespace glyphsmith
