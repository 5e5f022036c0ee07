// SPDX-License-Identifier: MIT
#include "WideConsoleBuffer.h"

#include "Unicode.h"

namespace glyphsmith::cli {

namespace {

// Where the last character of UTF-8 text begins when the text ends before it is whole;
// the text's size when it ends with a whole character.
std::size_t CutCharacterStart(std::string_view text) {
    const std::size_t look = text.size() < 3 ? text.size() : 3;
    for (std::size_t back = 1; back <= look; ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) == 0x80) {
            continue; // a continuation byte: the start lies further back
        }
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? text.size() - back : text.size();
    }
    return text.size();
}

} // namespace

WideConsoleBuffer::int_type WideConsoleBuffer::overflow(int_type c) {
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        pending_.push_back(traits_type::to_char_type(c));
    }
    return traits_type::not_eof(c);
}

std::streamsize WideConsoleBuffer::xsputn(const char* text, std::streamsize count) {
    pending_.append(text, static_cast<std::size_t>(count));
    return count;
}

int WideConsoleBuffer::sync() {
    const std::size_t whole = CutCharacterStart(pending_);
    if (whole > 0) {
        write_(Utf16FromUtf8(std::string_view(pending_).substr(0, whole)));
        pending_.erase(0, whole);
    }
    return 0;
}

} // namespace glyphsmith::cli
