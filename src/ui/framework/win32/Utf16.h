// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace glyphsmith::ui::win32 {

// The program keeps its texts as UTF-8; the wide Win32 functions take UTF-16. A sequence
// that is not valid in its encoding becomes U+FFFD, so converting never fails.
std::wstring ToUtf16(std::string_view utf8);
std::string ToUtf8(std::wstring_view utf16);

} // namespace glyphsmith::ui::win32
