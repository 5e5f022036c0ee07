// SPDX-License-Identifier: MIT
#include "Utf16.h"

#include "Unicode.h"

namespace glyphsmith::ui::win32 {

std::wstring ToUtf16(std::string_view utf8) {
    return WideFromUtf8(utf8);
}

std::string ToUtf8(std::wstring_view utf16) {
    return Utf8FromWide(utf16);
}

} // namespace glyphsmith::ui::win32
