// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace glyphsmith {

// The programs keep their texts as UTF-8; Windows' wide functions, its command line and
// Notepad's "Unicode" files hold UTF-16. Converting never fails: a sequence that is not
// valid in its encoding (a byte that starts no character, a character cut short, a lone
// surrogate) becomes one U+FFFD.
std::u16string Utf16FromUtf8(std::string_view utf8);
std::string Utf8FromUtf16(std::u16string_view utf16);

enum class ByteOrder { LittleEndian, BigEndian };

// The text of UTF-16 bytes in the given order as UTF-8; an odd byte at the end is cut
// short and becomes U+FFFD.
std::string Utf8FromUtf16Bytes(std::string_view bytes, ByteOrder order);

#ifdef _WIN32
// The same for Windows' wide strings, whose wchar_t is a UTF-16 code unit.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
#endif

} // namespace glyphsmith
