// SPDX-License-Identifier: MIT
#include "BadInputFixture.h"

namespace glyphsmith::test {

std::string HtfFile(const std::string& family, int subfont) {
    return Native("out/gbk" + family + "/gbk" + family + TwoDigits(subfont) + ".htf");
}

std::string AliasFile(const std::string& alias, int subfont) {
    return Native("al/gbk" + alias + "/gbk" + alias + TwoDigits(subfont) + ".htf");
}

std::string SeriesLines(const std::string& failure, const std::function<std::string(int)>& pathOf,
                        int from, int to) {
    std::string lines;
    for (int subfont = from; subfont <= to; ++subfont) {
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
    return SeriesLines("Failed to open .enc file", EncFile, from, to);
}

void WriteCloneSources(const std::string& family) {
    WriteHtfFamily("out", "gbk" + family, 0, 0, "row\n");
}

BadInputTest::BadInputTest() {
    WriteFile("UGBK.sfd", SfdText());
    WriteFile("MS-GBK-Codepage.txt", CodePageText());
    settings.htfDirectory = "out";
    settings.aliasDirectory = "al";
    settings.discardBlanks = false;
}

} // namespace glyphsmith::test
