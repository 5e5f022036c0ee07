// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace glyphsmith::test {
namespace {

// Multiples of 7 have no character, nor have the codes after the GBK sequence's end.
bool HasCharacter(int subfont, int code) {
    return code % 7 != 0 && !(subfont == 94 && code >= 132);
}

std::string Entry(int subfont, int code) {
    return "0x" + (HasCharacter(subfont, code) ? Hex4(SampleValue(subfont, code)) : "FFFE");
}

// The layout that counts 32 lines of eight entries per subfont, each line numbered.
std::string CountedLayout(int missingSubfont = 0) {
    return SfdText("GBK subfonts\nThe input encoding is Unicode\n\n", HasCharacter, missingSubfont);
}

// The CJK package's layout: a line for subfont 00, one numbered line per subfont with
// continuation lines, and only 132 codes in subfont 94.
std::string PackageLayout() {
    std::string text = "# UGBK.sfd\n#\n# The input encoding is Unicode.\n\n00 0x0000_0x00FF\n";
    for (int subfont = 1; subfont <= 94; ++subfont) {
        const int codes = subfont == 94 ? 132 : 256;
        for (int code = 0; code < codes; code += 8) {
            text += code == 0 ? TwoDigits(subfont) : "  ";
            for (int k = code; k < std::min(code + 8, codes); ++k) {
                text += " " + Entry(subfont, k);
            }
            text += code + 8 < codes ? " \\\n" : "\n";
        }
    }
    return text + "\n# eof\n";
}

std::string Rows(int subfont, int first, int last) {
    return HtfRows(subfont, first, last, HasCharacter);
}

std::vector<std::string> EntriesOf(const fs::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Replaces line n (from 1) of a text.
std::string WithLine(std::string text, int n, const std::string& line) {
    std::size_t start = 0;
    for (int i = 1; i < n; ++i) {
        start = text.find('\n', start) + 1;
    }
    return text.replace(start, text.find('\n', start) - start, line);
}

class Generator1Test : public RunTest {
  protected:
    Generator1Test() {
        WriteFile("UGBK.sfd", CountedLayout());
        settings.htfDirectory = "out";
    }
};

TEST_F(Generator1Test, BothLayoutsGiveTheSameRows) {
    for (const std::string& layout : {CountedLayout(), PackageLayout()}) {
        WriteFile("UGBK.sfd", layout);
        settings.discardBlanks = true;
        reporter.messages.clear();
        EXPECT_EQ(Gen1(), RunOutcome::Completed);
        EXPECT_EQ(reporter.messages, std::vector{Information(kAllCreated)});
        EXPECT_EQ(ReadFile("log.txt"), "");
        EXPECT_EQ(ReadFile("out/gbksong/gbksong01.htf"),
                  HtfText("gbksong01 0 255", Rows(1, 0, 255)));
        EXPECT_EQ(ReadFile("out/gbksong/gbksong02.htf"),
                  HtfText("gbksong02 0 255", Rows(2, 0, 255)));
        EXPECT_EQ(ReadFile("out/gbksong/gbksong27.htf"),
                  HtfText("gbksong27 90 172", Rows(27, 90, 172)));
        EXPECT_EQ(ReadFile("out/gbksong/gbksong94.htf"),
                  HtfText("gbksong94 0 37", Rows(94, 0, 37)));

        settings.discardBlanks = false;
        EXPECT_EQ(Gen1(), RunOutcome::Completed);
        EXPECT_EQ(ReadFile("out/gbksong/gbksong27.htf"),
                  HtfText("gbksong27 0 255", Rows(27, 0, 255)));
        EXPECT_EQ(ReadFile("out/gbksong/gbksong94.htf"),
                  HtfText("gbksong94 0 255", Rows(94, 0, 255)));
    }
}

TEST_F(Generator1Test, TheTemplateTakesItsDatedCommentFromTheListName) {
    WriteFile("copyright.txt", "A\nthe .htf line\nC\n");
    Gen1("abcdefghijklmnopqrs");
    // 19 characters: the year is left-aligned in a field of 5.
    EXPECT_NE(ReadFile("out/gbkabcdefghijklmnopqrs/gbkabcdefghijklmnopqrs01.htf")
                  .find(" % gbkabcdefghijklmnopqrs01.htf (unicode)2005 -05-18 %\n"),
              std::string::npos);

    int day = 0;
    context.clock = [&day] { return CalendarDate{2005, 5, ++day}; }; // a new date for every file
    Gen1("song");
    EXPECT_EQ(ReadFile("out/gbksong/gbksong02.htf"),
              HtfText("gbksong02 0 255",
                      WithEnds(Rows(2, 0, 255),
                               {"A", " % gbksong02.htf (unicode)      2005-05-02 %", "C"})));
}

TEST_F(Generator1Test, TheLogAndTheTemplateAreThoseOfTheGivenWorkingDirectory) {
    WriteFile("home/copyright.txt", "the .htf line\n");
    context.workingDirectory = Utf8(work.Path() / "home");
    EXPECT_EQ(Gen1(), RunOutcome::Completed);
    EXPECT_EQ(ReadFile("home/log.txt"), "");
    EXPECT_FALSE(fs::exists("log.txt"));
    EXPECT_EQ(ReadFile("out/gbksong/gbksong01.htf").substr(16, 62),
              HtfRow(0, std::nullopt, " % gbksong01.htf (unicode)      2005-05-18 %\n"));
}

TEST_F(Generator1Test, EverySpellingOfFffeIsACodeWithoutACharacter) {
    WriteFile("UGBK.sfd", WithLine(CountedLayout(), 4,
                                   "01 0xFFFE 0xfffe 0xFffE 0x4e02 0x4E04 0x4E05 0x4E06 0x4E07"));
    Gen1();
    EXPECT_EQ(ReadFile("out/gbksong/gbksong01.htf").substr(0, 16 + 4 * 18), "gbksong01 0 255\n"
                                                                            "  ''       ''   0\n"
                                                                            "  ''       ''   1\n"
                                                                            "  ''       ''   2\n"
                                                                            "'&#x4e02;' ''   3\n");
}

TEST_F(Generator1Test, TheListIsSplitAtBlanksOnly) {
    EXPECT_EQ(SplitFontList("  song  hei "), (std::vector<std::string>{"song", "hei"}));
    EXPECT_EQ(SplitFontList("a\tb gbksong song song"),
              (std::vector<std::string>{"a\tb", "gbksong", "song", "song"}));
    EXPECT_TRUE(SplitFontList("").empty());
    EXPECT_TRUE(SplitFontList("   ").empty());

    EXPECT_EQ(Gen1("  Song  gbkhei "), RunOutcome::Completed);
    EXPECT_EQ(EntriesOf("out"), (std::vector<std::string>{"gbkSong", "gbkgbkhei"}));
    EXPECT_EQ(ReadFile("out/gbkgbkhei/gbkgbkhei94.htf"),
              HtfText("gbkgbkhei94 0 37", Rows(94, 0, 37)));
}

TEST_F(Generator1Test, AFileThatCannotBeCreatedIsLoggedAndTheNextOneKeepsItsCodes) {
    fs::create_directories("out/gbksong/gbksong05.htf");
    fs::create_directories("out/gbksong/gbksong94.htf");
    EXPECT_EQ(Gen1(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              Native("Fail to create .htf file out/gbksong/gbksong05.htf!Go to the next "
                     "file!\nFail to create .htf file out/gbksong/gbksong94.htf!\n"));
    EXPECT_EQ(ReadFile("out/gbksong/gbksong06.htf"), HtfText("gbksong06 0 255", Rows(6, 0, 255)));
    EXPECT_EQ(reporter.messages, std::vector{Warning(kSomeFailed)});
}

TEST_F(Generator1Test, AFamilyThatCannotBeWrittenLeavesTheOthers) {
    const std::string tooLong(300, 'a');
    Gen1("a/b " + tooLong + " ..\\x hei");
    EXPECT_EQ(ReadFile("log.txt"), "Refused the font name a/b: it holds a path separator!\n"
                                   "Fail to create the directory " +
                                       Native("out/gbk") + tooLong +
                                       "!\n"
                                       "Refused the font name ..\\x: it holds a path separator!\n");
    EXPECT_EQ(ReadFile("out/gbkhei/gbkhei01.htf"), HtfText("gbkhei01 0 255", Rows(1, 0, 255)));
    EXPECT_EQ(EntriesOf("out"), std::vector<std::string>{"gbkhei"});
    EXPECT_EQ(EntriesOf("."),
              (std::vector<std::string>{"UGBK.sfd", "copyright.txt", "log.txt", "out"}));
}

TEST_F(Generator1Test, AnEmptyListClosesWithTheSuccessMessage) {
    WriteFile("log.txt", "previous run");
    EXPECT_EQ(Gen1("   "), RunOutcome::Completed);
    EXPECT_EQ(ReadFile("log.txt"), "");
    EXPECT_EQ(reporter.messages, std::vector{Information(kAllCreated)});
}

TEST_F(Generator1Test, AnEmptyPathStopsBeforeTheLogIsTouched) {
    WriteFile("log.txt", "previous run");
    for (std::string* path : {&settings.sfdFile, &settings.htfDirectory}) {
        const std::string kept = *path;
        path->clear();
        reporter.messages.clear();
        EXPECT_EQ(Gen1(), RunOutcome::Stopped);
        EXPECT_EQ(reporter.messages,
                  std::vector{Warning("Please set the related information firstly!")});
        *path = kept;
    }
    EXPECT_EQ(ReadFile("log.txt"), "previous run");
}

TEST_F(Generator1Test, AMissingDefinitionFileStopsTheRun) {
    settings.sfdFile = "fonts/100%s.sfd";
    EXPECT_EQ(Gen1(), RunOutcome::Stopped);
    const std::string message = "Failed to open UGBK.sfd file fonts/100%s.sfd\n!";
    EXPECT_EQ(reporter.messages, std::vector{Warning(message)});
    EXPECT_EQ(ReadFile("log.txt"), message);
    EXPECT_FALSE(fs::exists("out"));
}

TEST_F(Generator1Test, FlawsOfTheFileAreNotedForEveryFamily) {
    // Subfont 57 missing; line 4, the first of subfont 1, holds a bad entry.
    WriteFile("UGBK.sfd", WithLine(CountedLayout(57), 4,
                                   "01 0xFFFE 0x4E0G 0x4E02 0x4E03 0x4E04 0x4E05 0x4E06 0x4E07"));
    EXPECT_EQ(Gen1("song hei"), RunOutcome::CompletedWithFailures);
    std::string expected;
    for (const std::string family : {"song", "hei"}) {
        const std::string directory = Native("out/gbk" + family + "/gbk" + family);
        expected += "UGBK.sfd:4: the entry \"x4E0G\" is not x and four hexadecimal digits; "
                    "1 code of " +
                    directory +
                    "01.htf is written without a character\n"
                    "UGBK.sfd: the file has ended after line 2979 and lists no subfont 57; 256 "
                    "codes of " +
                    directory + "57.htf are written without a character\n";
    }
    EXPECT_EQ(ReadFile("log.txt"), expected);
    EXPECT_EQ(ReadFile("out/gbkhei/gbkhei57.htf"), HtfText("gbkhei57 0 255", BlankRows(0, 255)));
    EXPECT_EQ(ReadFile("out/gbkhei/gbkhei58.htf"), HtfText("gbkhei58 0 255", Rows(58, 0, 255)));
    EXPECT_EQ(reporter.messages, std::vector{Warning(kSomeFailed)});
}

// The rows of a subfont are formed once for all families; its missing codes are noted only
// for the files that were written, and a later family's file still gets its own dated comment.
TEST_F(Generator1Test, AFileThatCannotBeCreatedNotesNoMissingCodes) {
    WriteFile("UGBK.sfd", CountedLayout(57));
    WriteFile("copyright.txt", "% gbksong01.htf\n");
    fs::create_directories("out/gbksong/gbksong57.htf");
    EXPECT_EQ(Gen1("song hei"), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              Native("Fail to create .htf file out/gbksong/gbksong57.htf!Go to the next file!\n"
                     "UGBK.sfd: the file has ended after line 2979 and lists no subfont 57; 256 "
                     "codes of out/gbkhei/gbkhei57.htf are written without a character\n"));
    EXPECT_EQ(
        ReadFile("out/gbkhei/gbkhei57.htf"),
        HtfText("gbkhei57 0 255",
                WithEnds(BlankRows(0, 255), {" % gbkhei57.htf (unicode)       2005-05-18 %"})));
}

TEST_F(Generator1Test, AFileWithoutItsMarkerIsNotedAndReadFromItsStart) {
    WriteFile("UGBK.sfd", WithLine(CountedLayout(), 2, "# Unicode values"));
    EXPECT_EQ(Gen1("song hei"), RunOutcome::CompletedWithFailures);
    const std::string note = "UGBK.sfd: the file has ended after line 3011 with no line that "
                             "holds \"The input encoding is Unicode\", so it is read from its "
                             "first line\n";
    EXPECT_EQ(ReadFile("log.txt"), note + note);
    EXPECT_EQ(ReadFile("out/gbkhei/gbkhei01.htf"), HtfText("gbkhei01 0 255", Rows(1, 0, 255)));
}

} // namespace
} // namespace glyphsmith::test
