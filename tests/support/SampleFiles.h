// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

// The runs' inputs and expected outputs, written out by hand. In every sample input code
// k of subfont b has the character U+4E00 + 256 (b - 1) + k, unless the test says it has
// none, so that every row can be told in advance.
namespace glyphsmith::test {

int SampleValue(int subfont, int code);

// Which codes of a sample input have a character.
using HasCharacter = std::function<bool(int subfont, int code)>;
inline bool EveryCode(int, int) {
    return true;
}

// Four upper-case hexadecimal digits.
std::string Hex4(int value);

// A subfont definition file: the preamble, then for every subfont 1 to 94 but the missing
// one 32 numbered lines of eight entries; a code without a character is 0xFFFE.
std::string SfdText(const std::string& preamble = "# subfonts\nThe input encoding is Unicode\n",
                    const HasCharacter& has = EveryCode, int missingSubfont = 0);

// An .enc file of `lines` lines: a name, then per code "/.notdef" for a code without a
// character (every code has one when hasCharacter is empty) and "/uni4E00" for the others.
std::string EncText(int lines = 257, const std::function<bool(int code)>& hasCharacter = {});

// A code page 936 table in which the j-th code of the GBK sequence has the value
// U+4E00 + j, cut after the first `codes` of them.
std::string CodePageText(int codes = 126 * 190);

// The 94 files of a font in its directory under `directory`, as the generators lay them
// out, each with the same range and rows.
void WriteHtfFamily(const std::filesystem::path& directory, const std::string& stem, int first,
                    int last, const std::string& rows);

// One row of a generated file with its line end: "'&#x4E07;' ''   7" or, for a code
// without a character, "  ''       ''   7".
std::string HtfRow(int code, std::optional<int> value, const std::string& end = "\n");
// The rows of codes first to last of a subfont.
std::string HtfRows(int subfont, int first, int last, const HasCharacter& has = EveryCode);
// The rows of codes first to last without a character.
std::string BlankRows(int first, int last);
// Rows whose first line ends are replaced by the given template lines.
std::string WithEnds(const std::string& rows, std::initializer_list<std::string> ends);
// A whole .htf file: the header, the rows, the header again.
std::string HtfText(const std::string& header, const std::string& rows);

// The bytes of a TFM file of the characters bc to ec (bc = ec + 1 for none), with the
// smallest tables that its length must account for.
std::string TfmBytes(int bc, int ec);

} // namespace glyphsmith::test
