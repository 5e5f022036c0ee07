// SPDX-License-Identifier: MIT
#include "TemplateWords.h"

#include "Unicode.h"

#include <charconv>

namespace glyphsmith::ui::win32 {

void TemplateWords::Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
}

void TemplateWords::Text(std::string_view utf8) {
    const std::wstring text = WideFromUtf8(utf8);
    words_.insert(words_.end(), text.begin(), text.end());
    Word(0);
}

void TemplateWords::ResourceName(std::string_view text) {
    WORD number = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, number);
    if (!text.empty() && error == std::errc() && last == end) {
        Ordinal(number);
    } else {
        Text(text);
    }
}

void TemplateWords::Ordinal(WORD value) {
    Word(0xFFFF);
    Word(value);
}

void TemplateWords::AlignToDword() {
    if (words_.size() % 2 != 0) {
        Word(0);
    }
}

} // namespace glyphsmith::ui::win32
