// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace glyphsmith::samples {

// A double-byte GBK code.
struct GbkCode {
    std::uint8_t lead;
    std::uint8_t trail;
};

// Code i of subfont b is the (256(b-1)+i)-th code of the sequence lead 0x81..0xFE,
// trail 0x40..0x7E then 0x80..0xFE; none past the sequence's end.
std::optional<GbkCode> GbkCodeOf(int subfont, int code);

// The Unicode value of a code by the platform's iconv CP936 converter; none when iconv
// cannot convert it.
std::optional<char32_t> UnicodeOf(GbkCode code);

// A code page 936 table in the layout that Generator 2 reads, made from iconv; a code
// that iconv cannot convert gets the value 0xfffe.
std::string MakeCodePageTable();

// The .enc file of one subfont: a first line, then per code "/uniXXXX", or "/.notdef"
// for a code without a character.
std::string MakeEncFile(const std::string& fontName, int subfont);

// Writes MS-GBK-Codepage.txt and enc/<family>/<family>01.enc to 94 into a directory.
void WriteSampleInputs(const std::string& directory, const std::string& family);

} // namespace glyphsmith::samples
