// SPDX-License-Identifier: MIT
#include "SampleFiles.h"

#include "Paths.h"
#include "TestSupport.h"

#include <cstdio>

namespace glyphsmith::test {

int SampleValue(int subfont, int code) {
    return 0x4E00 + 256 * (subfont - 1) + code;
}

std::string Hex4(int value) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", value);
    return digits;
}

std::string SfdText(const std::string& preamble, const HasCharacter& has, int missingSubfont) {
    std::string text = preamble;
    for (int subfont = 1; subfont <= 94; ++subfont) {
        for (int code = 0; code < 256 && subfont != missingSubfont; code += 8) {
            text += TwoDigits(subfont);
            for (int k = code; k < code + 8; ++k) {
                text += " 0x" + (has(subfont, k) ? Hex4(SampleValue(subfont, k)) : "FFFE");
            }
            text += "\n";
        }
    }
    return text;
}

std::string EncText(int lines, const std::function<bool(int code)>& hasCharacter) {
    std::string enc = "/gbk [\n";
    for (int code = 0; code + 1 < lines; ++code) {
        enc += !hasCharacter || hasCharacter(code) ? "/uni4E00\n" : "/.notdef\n";
    }
    return enc;
}

std::string CodePageText(int codes) {
    std::string table = "CODEPAGE 936\n;LeadByte = 0x81\nDBCSTABLE 190\n";
    for (int j = 0; j < codes; ++j) {
        table += "0x" + Hex4(j % 190).substr(2) + "\t0x" + Hex4(0x4E00 + j) + "\n";
        if (j % 190 == 189) {
            table += "\n;LeadByte\nDBCSTABLE 190\n"; // the lines between two lead bytes
        }
    }
    return table;
}

void WriteHtfFamily(const std::filesystem::path& directory, const std::string& stem, int first,
                    int last, const std::string& rows) {
    for (int subfont = 1; subfont <= 94; ++subfont) {
        const std::string name = stem + TwoDigits(subfont);
        const std::string range =
            name + " " + std::to_string(first) + " " + std::to_string(last) + "\n";
        WriteFile(directory / FsPath(stem) / FsPath(name + ".htf"), range + rows + range);
    }
}

std::string HtfRow(int code, std::optional<int> value, const std::string& end) {
    char row[32];
    if (value) {
        std::snprintf(row, sizeof row, "'&#x%04X;' '' %3d", *value, code);
    } else {
        std::snprintf(row, sizeof row, "  ''       '' %3d", code);
    }
    return row + end;
}

std::string HtfRows(int subfont, int first, int last, const HasCharacter& has) {
    std::string rows;
    for (int code = first; code <= last; ++code) {
        rows += HtfRow(code, has(subfont, code) ? std::optional(SampleValue(subfont, code))
                                                : std::nullopt);
    }
    return rows;
}

std::string BlankRows(int first, int last) {
    std::string rows;
    for (int code = first; code <= last; ++code) {
        rows += HtfRow(code, std::nullopt);
    }
    return rows;
}

std::string WithEnds(const std::string& rows, std::initializer_list<std::string> ends) {
    std::string ended;
    std::size_t start = 0;
    for (const std::string& end : ends) {
        const std::size_t lineEnd = rows.find('\n', start);
        ended += rows.substr(start, lineEnd - start) + end + "\n";
        start = lineEnd + 1;
    }
    return ended + rows.substr(start);
}

std::string HtfText(const std::string& header, const std::string& rows) {
    return header + "\n" + rows + header + "\n";
}

std::string TfmBytes(int bc, int ec) {
    // lf, lh, bc, ec, then one width, height, depth and italic correction, nothing else.
    const int lengthInWords = 6 + 2 + (ec - bc + 1) + 4;
    const int halfwords[12] = {lengthInWords, 2, bc, ec, 1, 1, 1, 1, 0, 0, 0, 0};
    std::string bytes(4 * static_cast<std::size_t>(lengthInWords), '\0');
    for (std::size_t i = 0; i < 12; ++i) {
        bytes[2 * i] = static_cast<char>(halfwords[i] >> 8);
        bytes[2 * i + 1] = static_cast<char>(halfwords[i] & 0xFF);
    }
    return bytes;
}

} // namespace glyphsmith::test
