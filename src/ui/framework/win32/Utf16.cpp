#include "Utf16.h"

#include <limits>
#include <stdexcept>
#include <windows.h>

namespace glyphsmith::ui::win32 {

namespace {

// The conversion functions count in int; a longer text would wrap to a wrong length.
int Length(std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw std::length_error("text too long to convert between UTF-8 and UTF-16");
    }
    return static_cast<int>(size);
}

} // namespace

// Without MB_ERR_INVALID_CHARS an invalid sequence becomes U+FFFD instead of failing.
std::wstring ToUtf16(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int length = Length(utf8.size());
    const int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, text.data(), wide);
    return text;
}

// A lone surrogate becomes U+FFFD, as WC_ERR_INVALID_CHARS is not given.
std::string ToUtf8(std::wstring_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    const int length = Length(utf16.size());
    const int narrow =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(narrow), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, text.data(), narrow, nullptr, nullptr);
    return text;
}

} // namespace glyphsmith::ui::win32
