#include "BadInputFixture.h"

#include <cstdio>
#include <filesystem>

namespace glyphsmith::test {

namespace {

std::string Hex4(int value) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", value);
    return digits;
}

std::string Row(const std::string& value, int code) {
    char row[32];
    std::snprintf(row, sizeof row, "%s '' %3d\n", value.c_str(), code);
    return row;
}

} // namespace

int ValueOf(int subfont, int code) {
    return 0x4E00 + 256 * (subfont - 1) + code;
}

std::string SfdText() {
    std::string text = "# subfonts\nThe input encoding is Unicode\n";
    for (int subfont = 1; subfont <= 94; ++subfont) {
        for (int code = 0; code < 256; code += 8) {
            text += TwoDigits(subfont);
            for (int k = code; k < code + 8; ++k) {
                text += " 0x" + Hex4(ValueOf(subfont, k));
            }
            text += "\n";
        }
    }
    return text;
}

std::string EncText(int lines) {
    std::string enc = "/gbk [\n";
    for (int line = 1; line < lines; ++line) {
        enc += "/uni4E00\n";
    }
    return enc;
}

std::string HtfRows(int subfont, int first, int last) {
    std::string rows;
    for (int code = first; code <= last; ++code) {
        rows += Row("'&#x" + Hex4(ValueOf(subfont, code)) + ";'", code);
    }
    return rows;
}

std::string BlankRows(int first, int last) {
    std::string rows;
    for (int code = first; code <= last; ++code) {
        rows += Row("  ''      ", code);
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

std::string HtfFile(const std::string& family, int subfont) {
    return Native("out/gbk" + family + "/gbk" + family + TwoDigits(subfont) + ".htf");
}

std::string AliasFile(const std::string& alias, int subfont) {
    return Native("al/gbk" + alias + "/gbk" + alias + TwoDigits(subfont) + ".htf");
}

std::string SeriesLines(const std::string& failure, const std::function<std::string(int)>& pathOf) {
    std::string lines;
    for (int subfont = 1; subfont <= 94; ++subfont) {
        lines += failure + " " + pathOf(subfont) + "!" +
                 (subfont < 94 ? "Go to the next file!\n" : "\n");
    }
    return lines;
}

std::string EncFile(int subfont) {
    return Native("enc/gbksong/gbksong" + TwoDigits(subfont) + ".enc");
}

void WriteEnc(int subfont, const std::string& content) {
    WriteFile(EncFile(subfont), content);
}

std::string Progress(const std::string& family) {
    return family + "xx.enc files are found, " + family + "xx.htf files are generating...\n";
}

std::string MissingEncLines(int from, int to) {
    std::string lines;
    for (int subfont = from; subfont <= to; ++subfont) {
        lines += "Failed to open .enc file " + EncFile(subfont) + "!" +
                 (subfont < 94 ? "Go to the next file!\n" : "\n");
    }
    return lines;
}

void WriteCloneSources(const std::string& family) {
    for (int subfont = 1; subfont <= 94; ++subfont) {
        const std::string range = "gbk" + family + TwoDigits(subfont) + " 0 0\n";
        WriteFile(FsPath(HtfFile(family, subfont)), range + "row\n" + range);
    }
}

BadInputTest::BadInputTest() {
    WriteFile("copyright.txt", "");
    WriteFile("UGBK.sfd", SfdText());
    WriteFile("MS-GBK-Codepage.txt", CodePageText());
    settings.htfDirectory = "out";
    settings.aliasDirectory = "al";
    settings.discardBlanks = false;
}

} // namespace glyphsmith::test
