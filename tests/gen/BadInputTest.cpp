// SPDX-License-Identifier: MIT
// Inputs whose content is bad: empty, binary, one line of 10 MB, CR-only line ends, cut
// short, too short or too long. Every run states what it writes and logs for each.
#include "BadInputFixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace glyphsmith::test {
namespace {

constexpr std::size_t kTenMegabytes = 10 * 1024 * 1024;

// "UGBK.sfd: the file has ended after line 3 with no line that holds ..."
std::string NoSfdMarker(int lastLine) {
    return "UGBK.sfd: the file has ended after line " + std::to_string(lastLine) +
           " with no line that holds \"The input encoding is Unicode\", so it is read from its "
           "first line\n";
}
std::string NoTableMarker(int lastLine) {
    return "MS-GBK-Codepage.txt: the table has ended after line " + std::to_string(lastLine) +
           " with no line that holds \";LeadByte = 0x81\", so it gives no values\n";
}

// A file made by another program: NUL bytes and bytes above 127, no line that begins
// with a digit, three lines of which the last has no line end.
const std::string kBinary("\x7F"
                          "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\n"
                          "\xFF\xFE\0\0\x80\x81\n"
                          "\0\0\0\0 0x4E02",
                          31);

// One note per file: "UGBK.sfd: the file has ended after line 3 and lists no subfont 02;
// 256 codes of ...".
std::string NoSubfontNotes(int lastLine, int from) {
    std::string notes;
    for (int subfont = from; subfont <= 94; ++subfont) {
        notes += "UGBK.sfd: the file has ended after line " + std::to_string(lastLine) +
                 " and lists no subfont " + TwoDigits(subfont) + "; 256 codes of " +
                 Gen1File(subfont) + " are written without a character\n";
    }
    return notes;
}

// "enc/gbksong/gbksong02.enc: the file has ended after line 10; 247 codes of ..."
std::string Note(const std::string& place, const std::string& reason, int codes, int subfont) {
    return place + ": " + reason + "; " + std::to_string(codes) + " codes of " + Gen2File(subfont) +
           " are written without a character\n";
}

std::string EncNote(int subfont, int lastLine, int codes) {
    return Note(EncFile(subfont), "the file has ended after line " + std::to_string(lastLine),
                codes, subfont);
}

std::string TableEndNote(int lastLine, int codes, int subfont) {
    return Note("MS-GBK-Codepage.txt", "the table has ended after line " + std::to_string(lastLine),
                codes, subfont);
}

std::string Replaced(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

using EmptyOrBinaryFile = BadInputTest;

TEST_F(EmptyOrBinaryFile, ADefinitionFileGivesBlankRowsAndANotePerFile) {
    for (const auto& [content, lines] : {std::pair{std::string(), 0}, std::pair{kBinary, 3}}) {
        WriteFile("UGBK.sfd", content);
        reporter.messages.clear();
        EXPECT_EQ(Gen1(), RunOutcome::CompletedWithFailures);
        EXPECT_EQ(ReadFile("log.txt"), NoSfdMarker(lines) + NoSubfontNotes(lines, 1));
        EXPECT_EQ(ReadFile(Gen1File(1)), HtfText("gbksong01 0 255", BlankRows(0, 255)));
        EXPECT_EQ(ReadFile(Gen1File(94)), HtfText("gbksong94 0 255", BlankRows(0, 255)));
        EXPECT_EQ(reporter.messages, std::vector{Warning(kSomeFailed)});
    }
}

TEST_F(EmptyOrBinaryFile, ATableGivesNoValuesAndAnEncFileEndsEarly) {
    // The binary .enc file's first line is passed over as its name; its two further lines
    // are codes with a character, for which the table has no value.
    const std::string tableNotes[] = {
        NoTableMarker(0) + TableEndNote(0, 256, 1) + EncNote(2, 0, 256),
        NoTableMarker(3) + TableEndNote(3, 256, 1) + EncNote(2, 3, 254) + TableEndNote(3, 2, 2),
    };
    for (int binary = 0; binary <= 1; ++binary) {
        const std::string content = binary ? kBinary : "";
        WriteFile("MS-GBK-Codepage.txt", content);
        WriteEnc(1, EncText());
        WriteEnc(2, content);
        EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
        EXPECT_EQ(ReadFile("log.txt"), Progress() + tableNotes[binary] + MissingEncLines(3, 94));
        EXPECT_EQ(ReadFile(Gen2File(1)), HtfText("gbksong01 0 255", BlankRows(0, 255)));
        EXPECT_EQ(ReadFile(Gen2File(2)), HtfText("gbksong02 0 255", BlankRows(0, 255)));
    }
}

TEST_F(EmptyOrBinaryFile, NulBytesOfTemplateAndRowsAreCopiedAsTheyStand) {
    const std::string nul(1, '\0');
    WriteFile("copyright.txt", "a" + nul + "b\n" + nul + "\n");
    WriteEnc(1, EncText());
    Gen2();
    EXPECT_EQ(ReadFile(Gen2File(1)),
              HtfText("gbksong01 0 255",
                      WithEnds(HtfRows(1, 0, 1), {"a" + nul + "b", nul}) + HtfRows(1, 2, 255)));

    WriteCloneSources();
    WriteFile(CloneSource(1), "gbksong01 0 1\nrow" + nul + "0\n" + nul + "\n");
    WriteFile(CloneSource(2), kBinary);
    EXPECT_EQ(Clone(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile(CloneTarget(1)), "gbkfsong01 0 1  %cloned from gbksong01.htf\nrow" + nul +
                                            "0\n" + nul + "\ngbkfsong01 0 1\n");
    EXPECT_EQ(ReadFile("log.txt"), "Invalid htf file - gbksong02.htf!\n");
    EXPECT_EQ(ReadFile(CloneTarget(2)), "");
}

using TenMegabyteLine = BadInputTest;

TEST_F(TenMegabyteLine, OfTheDefinitionFileFillsItsSubfontAndNoMore) {
    std::string line = "01";
    while (line.size() < kTenMegabytes) {
        line += " 0x4E02";
    }
    WriteFile("UGBK.sfd", line);
    EXPECT_EQ(Gen1(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), NoSfdMarker(1) +
                                       "UGBK.sfd:1: subfont 01 lists more than 256 codes; the "
                                       "rest are passed over\n" +
                                       NoSubfontNotes(1, 2));
    std::string rows;
    for (int code = 0; code < 256; ++code) {
        rows += HtfRow(code, 0x4E02);
    }
    EXPECT_EQ(ReadFile(Gen1File(1)), HtfText("gbksong01 0 255", rows));
}

TEST_F(TenMegabyteLine, OfTheTableOrAnEncFileIsOneLineWithItsValue) {
    const std::string blanks(kTenMegabytes, ' ');
    std::string table = CodePageText();
    table.insert(table.find("\t0x4E00") + 7, blanks);
    WriteFile("MS-GBK-Codepage.txt", table);
    std::string enc = EncText();
    enc.insert(enc.find("/uni4E00") + 8, blanks + "/.notdef");
    WriteEnc(1, enc);
    WriteEnc(2, EncText());
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), Progress() + MissingEncLines(3, 94));
    EXPECT_EQ(ReadFile(Gen2File(1)),
              HtfText("gbksong01 0 255", BlankRows(0, 0) + HtfRows(1, 1, 255)));
    EXPECT_EQ(ReadFile(Gen2File(2)), HtfText("gbksong02 0 255", HtfRows(2, 0, 255)));
}

TEST_F(TenMegabyteLine, OfTheTemplateIsMergedWhole) {
    const std::string line(kTenMegabytes, 'c');
    WriteFile("copyright.txt", line + "\n.htf\n");
    WriteEnc(1, EncText());
    Gen2();
    EXPECT_EQ(
        ReadFile(Gen2File(1)),
        HtfText("gbksong01 0 255",
                WithEnds(HtfRows(1, 0, 1), {line, " % gbksong01.htf (unicode)      2005-05-18 %"}) +
                    HtfRows(1, 2, 255)));
}

TEST_F(TenMegabyteLine, OfACloneSourceIsCopiedWhole) {
    const std::string row(kTenMegabytes, 'r');
    WriteCloneSources();
    WriteFile(CloneSource(1), "gbksong01 0 1" + std::string(kTenMegabytes, ' ') + "\n" + row +
                                  "\nrow\ngbksong01 0 1\n");
    EXPECT_EQ(Clone(), RunOutcome::Completed);
    EXPECT_EQ(ReadFile(CloneTarget(1)),
              "gbkfsong01 0 1  %cloned from gbksong01.htf\n" + row + "\nrow\ngbkfsong01 0 1\n");
}

// A lone CR ends no line: such a file is one long line, which the notes make plain.
using CrOnlyLineEnds = BadInputTest;

TEST_F(CrOnlyLineEnds, MakeTheDefinitionFileOneMarkerLine) {
    WriteFile("UGBK.sfd", Replaced(SfdText(), '\n', '\r'));
    EXPECT_EQ(Gen1(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), NoSubfontNotes(1, 1));
    EXPECT_EQ(ReadFile(Gen1File(2)), HtfText("gbksong02 0 255", BlankRows(0, 255)));
}

TEST_F(CrOnlyLineEnds, MakeTableEncFileAndTemplateOneLineEach) {
    WriteFile("MS-GBK-Codepage.txt", Replaced(CodePageText(), '\n', '\r'));
    WriteFile("copyright.txt", "a\rb\r");
    WriteEnc(1, EncText());
    WriteEnc(2, Replaced(EncText(), '\n', '\r'));
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              Progress() + TableEndNote(1, 256, 1) + EncNote(2, 1, 256) + MissingEncLines(3, 94));
    EXPECT_EQ(
        ReadFile(Gen2File(1)),
        HtfText("gbksong01 0 255", WithEnds(BlankRows(0, 0), {"a\rb\r"}) + BlankRows(1, 255)));
}

TEST_F(CrOnlyLineEnds, MakeACloneSourceOneFirstLine) {
    WriteCloneSources();
    WriteFile(CloneSource(1), "gbksong01 0 1\rrow0\rrow1\rgbksong01 0 1\r");
    EXPECT_EQ(Clone(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile(CloneTarget(1)),
              "gbkfsong01 0 1  %cloned from gbksong01.htf\ngbkfsong01 0 1\n");
    EXPECT_EQ(ReadFile("log.txt"), CloneSource(1) + ": the file has ended after line 1, so " +
                                       CloneTarget(1) + " has 0 of its 2 rows\n");
}

using CutShort = BadInputTest;

TEST_F(CutShort, ATableCutInTheMiddleOfABlockAndOfALine) {
    // 285 whole lines: all of lead byte 0x81 and 95 codes of 0x82; then half a line.
    WriteFile("MS-GBK-Codepage.txt", CodePageText(285) + "0x9F\t0x4E");
    for (int subfont = 1; subfont <= 3; ++subfont) {
        WriteEnc(subfont, EncText());
    }
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              Progress() +
                  Note("MS-GBK-Codepage.txt:292",
                       "no four hexadecimal digits at characters 8 to 11", 227, 2) +
                  TableEndNote(292, 256, 3) + MissingEncLines(4, 94));
    EXPECT_EQ(ReadFile(Gen2File(1)), HtfText("gbksong01 0 255", HtfRows(1, 0, 255)));
    EXPECT_EQ(ReadFile(Gen2File(2)),
              HtfText("gbksong02 0 255", HtfRows(2, 0, 28) + BlankRows(29, 255)));
}

TEST_F(CutShort, ADefinitionFileCutInTheMiddleOfASubfontAndOfAnEntry) {
    // Line 143 is the 13th of subfont 05 (codes 96 to 103); it keeps three entries and a half.
    const std::string sfd = SfdText();
    std::size_t end = 0;
    for (int line = 1; line < 143; ++line) {
        end = sfd.find('\n', end) + 1;
    }
    WriteFile("UGBK.sfd", sfd.substr(0, end + 2 + 3 * 7 + 5));
    EXPECT_EQ(Gen1(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              "UGBK.sfd:143: the entry \"x52\" is not x and four hexadecimal digits; 157 codes "
              "of " +
                  Gen1File(5) + " are written without a character\n" + NoSubfontNotes(143, 6));
    EXPECT_EQ(ReadFile(Gen1File(4)), HtfText("gbksong04 0 255", HtfRows(4, 0, 255)));
    EXPECT_EQ(ReadFile(Gen1File(5)),
              HtfText("gbksong05 0 255", HtfRows(5, 0, 98) + BlankRows(99, 255)));
}

TEST_F(CutShort, EncFilesOfTenLinesEndEarlyAndOfAThousandLinesAreReadTo257) {
    WriteEnc(1, EncText(1000));
    WriteEnc(2, EncText(10));
    WriteEnc(3, EncText());
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), Progress() + EncNote(2, 10, 247) + MissingEncLines(4, 94));
    EXPECT_EQ(ReadFile(Gen2File(1)), HtfText("gbksong01 0 255", HtfRows(1, 0, 255)));
    EXPECT_EQ(ReadFile(Gen2File(2)),
              HtfText("gbksong02 0 255", HtfRows(2, 0, 8) + BlankRows(9, 255)));
    // The table walks on in step whatever the .enc files hold.
    EXPECT_EQ(ReadFile(Gen2File(3)), HtfText("gbksong03 0 255", HtfRows(3, 0, 255)));
}

} // namespace
} // namespace glyphsmith::test
