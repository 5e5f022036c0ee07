// SPDX-License-Identifier: MIT
#include "BadInputFixture.h"

#include <gtest/gtest.h>

namespace glyphsmith::test {
namespace {

std::string HtfPath(const std::string& family, int subfont) {
    return Native("ht/gbk" + family + "/gbk" + family + TwoDigits(subfont) + ".htf");
}

// Rows that tell their subfont and code apart, so that a shifted copy shows.
std::string Rows(int subfont, int first, int last) {
    std::string rows;
    for (int code = first; code <= last; ++code) {
        rows += "'&#x" + std::to_string(4000 + code) + ";' '' " + TwoDigits(subfont) + "/" +
                std::to_string(code) + "\n";
    }
    return rows;
}

// A source as a generator writes it, with a last line that is never read.
void WriteSource(int subfont, int first, int last) {
    const std::string range =
        "gbksong" + TwoDigits(subfont) + " " + std::to_string(first) + " " + std::to_string(last);
    WriteFile(HtfPath("song", subfont),
              range + "\n" + Rows(subfont, first, last) + range + "\nnot read\n");
}

void WriteSources(int from, int to) {
    for (int subfont = from; subfont <= to; ++subfont) {
        WriteSource(subfont, 0, 255);
    }
}

std::string MissingSourceLines(int from, int to) {
    return SeriesLines(
        "Failed to open source .htf file", [](int subfont) { return HtfPath("song", subfont); },
        from, to);
}

class CloningTest : public RunTest {
  protected:
    CloningTest() { settings.htfDirectory = "ht"; }
};

TEST(ReadCodeRange, TakesTwoNumbersAfterTheSubfontName) {
    struct Case {
        const char* line;
        std::optional<CodeRange> range;
    };
    const Case cases[] = {
        {"gbksong07 0 255", CodeRange{0, 255}},
        {"gbksong16\t161   254  %cloned from gbkkai16.htf", CodeRange{161, 254}},
        {"gbksong01 300 -1", CodeRange{44, 255}},
        {"gbksong01 +5 256", CodeRange{5, 0}},
        {"gbksong01 99999999999999999999 -257", CodeRange{255, 255}},
        {"anything! 1 2", CodeRange{1, 2}}, // the skipped bytes are not compared
        {"gbksong01 12", std::nullopt},
        {"gbksong01 12 x", std::nullopt},
        {"gbksong01 - 5", std::nullopt},
        {"gbksong01 ", std::nullopt},
        {"gbksong1", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadCodeRange(c.line, "gbksong07"), c.range) << c.line;
    }
}

TEST_F(CloningTest, AWholeFamilyGetsNewFirstAndLastLines) {
    WriteSources(1, 94);
    WriteSource(16, 161, 254);
    EXPECT_EQ(Clone("song", "fsong"), RunOutcome::Completed);
    EXPECT_EQ(reporter.messages, std::vector{Information(kAllCreated)});
    EXPECT_EQ(ReadFile("log.txt"), "");
    EXPECT_EQ(ReadFile(HtfPath("fsong", 7)), "gbkfsong07 0 255  %cloned from gbksong07.htf\n" +
                                                 Rows(7, 0, 255) + "gbkfsong07 0 255\n");
    EXPECT_EQ(ReadFile(HtfPath("fsong", 16)), "gbkfsong16 161 254  %cloned from gbksong16.htf\n" +
                                                  Rows(16, 161, 254) + "gbkfsong16 161 254\n");
    EXPECT_EQ(ReadFile(HtfPath("fsong", 94)), "gbkfsong94 0 255  %cloned from gbksong94.htf\n" +
                                                  Rows(94, 0, 255) + "gbkfsong94 0 255\n");
}

TEST_F(CloningTest, RowsAreCopiedWholeWithTheirBytes) {
    const std::string longRow(1000, 'x');
    WriteFile(HtfPath("song", 1), "gbksong01 0 3\r\n'&#x4E02;' ''   0 % 100%s\r\n" + longRow +
                                      "\n\nlast row without a line end");
    Clone("song", "kai");
    EXPECT_EQ(ReadFile(HtfPath("kai", 1)), "gbkkai01 0 3  %cloned from gbksong01.htf\n"
                                           "'&#x4E02;' ''   0 % 100%s\n" +
                                               longRow +
                                               "\n\nlast row without a line end\n"
                                               "gbkkai01 0 3\n");
}

TEST_F(CloningTest, NumbersAreReducedToEightBitsAndAnEmptyRangeCopiesNothing) {
    WriteFile(HtfPath("song", 1), "gbksong01 300 301\na\nb\n");
    WriteFile(HtfPath("song", 2), "gbksong02 -1 255\nonly\nnot a row\n");
    WriteFile(HtfPath("song", 3), "gbksong03 9 2\nnot a row\n");
    Clone("song", "fsong");
    EXPECT_EQ(ReadFile(HtfPath("fsong", 1)),
              "gbkfsong01 44 45  %cloned from gbksong01.htf\na\nb\ngbkfsong01 44 45\n");
    EXPECT_EQ(ReadFile(HtfPath("fsong", 2)),
              "gbkfsong02 255 255  %cloned from gbksong02.htf\nonly\ngbkfsong02 255 255\n");
    EXPECT_EQ(ReadFile(HtfPath("fsong", 3)),
              "gbkfsong03 9 2  %cloned from gbksong03.htf\ngbkfsong03 9 2\n");
}

TEST_F(CloningTest, ACloneOfACloneNamesOnlyItsDirectSource) {
    WriteFile(HtfPath("song", 5), "gbksong05 1 2\na\nb\ngbksong05 1 2\n");
    Clone("song", "fsong");
    Clone("fsong", "gfsong");
    EXPECT_EQ(ReadFile(HtfPath("gfsong", 5)),
              "gbkgfsong05 1 2  %cloned from gbkfsong05.htf\na\nb\ngbkgfsong05 1 2\n");
}

TEST_F(CloningTest, AnEmptyNewNameWritesTheFamilyGbk) {
    WriteFile(HtfPath("song", 1), "gbksong01 0 0\na\n");
    Clone("song", "");
    EXPECT_EQ(ReadFile("ht/gbk/gbk01.htf"),
              "gbk01 0 0  %cloned from gbksong01.htf\na\ngbk01 0 0\n");
}

TEST_F(CloningTest, LongNamesAndLinesAreNotCut) {
    const std::string name(230, 'n');
    WriteFile(HtfPath("song", 1), "gbksong01 0 0\na\n");
    Clone("song", name);
    EXPECT_EQ(ReadFile(HtfPath(name, 1)),
              "gbk" + name + "01 0 0  %cloned from gbksong01.htf\na\n" + "gbk" + name + "01 0 0\n");
}

TEST_F(CloningTest, MissingSourcesAreLoggedAndTheRunEndsWithAWarning) {
    WriteSources(1, 10);
    EXPECT_EQ(Clone("song", "fsong"), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), MissingSourceLines(11, 94));
    EXPECT_EQ(reporter.messages, std::vector{Warning(kSomeFailed)});
    EXPECT_TRUE(fs::exists(HtfPath("fsong", 10)));
    EXPECT_FALSE(fs::exists(HtfPath("fsong", 11)));
}

TEST_F(CloningTest, AFamilyThatDoesNotExistLeavesAnEmptyTargetDirectory) {
    EXPECT_EQ(Clone("song", "fsong"), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), MissingSourceLines(1, 94));
    EXPECT_TRUE(fs::is_empty("ht/gbkfsong"));
}

TEST_F(CloningTest, AFileWhereTheTargetDirectoryBelongsFailsEveryTarget) {
    WriteSources(1, 94);
    WriteFile("ht/gbkfsong", "a file");
    EXPECT_EQ(Clone("song", "fsong"), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              SeriesLines("Failed to create cloned .htf file",
                          [](int subfont) { return HtfPath("fsong", subfont); }));
    EXPECT_EQ(ReadFile("ht/gbkfsong"), "a file");
}

TEST_F(CloningTest, InvalidFirstLinesLeaveAnEmptyTarget) {
    WriteSources(4, 94);
    WriteFile(HtfPath("song", 1), "gbksong01\n0 255\n");
    WriteFile(HtfPath("song", 2), "gbksong02 12\nrow\n");
    WriteFile(HtfPath("song", 3), "");
    WriteFile(HtfPath("fsong", 2), "an older file");
    EXPECT_EQ(Clone("song", "fsong"), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), "Invalid htf file - gbksong01.htf!\n"
                                   "Invalid htf file - gbksong02.htf!\n"
                                   "Invalid htf file - gbksong03.htf!\n");
    for (int subfont = 1; subfont <= 3; ++subfont) {
        EXPECT_EQ(ReadFile(HtfPath("fsong", subfont)), "") << subfont;
    }
}

TEST_F(CloningTest, AShortSourceGivesTheRowsItHasAndANote) {
    WriteSources(2, 94);
    WriteFile(HtfPath("song", 1), "gbksong01 0 255\na\nb\n");
    EXPECT_EQ(Clone("song", "fsong"), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile(HtfPath("fsong", 1)),
              "gbkfsong01 0 255  %cloned from gbksong01.htf\na\nb\ngbkfsong01 0 255\n");
    EXPECT_EQ(ReadFile("log.txt"),
              Native("ht/gbksong/gbksong01.htf: the file has ended after line 3, so "
                     "ht/gbkfsong/gbkfsong01.htf has 2 of its 256 rows\n"));
    EXPECT_EQ(reporter.messages, std::vector{Warning(kSomeFailed)});
}

TEST_F(CloningTest, AFailedWriteIsLogged) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no device that fails every write";
    }
    WriteSources(1, 94);
    fs::create_directories("ht/gbkfsong");
    fs::create_symlink("/dev/full", HtfPath("fsong", 3));
    EXPECT_EQ(Clone("song", "fsong"), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              "Failed to write cloned .htf file ht/gbkfsong/gbkfsong03.htf!Go to the next file!\n");
    EXPECT_EQ(reporter.messages, std::vector{Warning(kSomeFailed)});
}

TEST_F(CloningTest, CloningAFamilyOntoItselfIsRefusedBeforeAnythingIsTouched) {
    const std::string source = "gbksong01 0 0\na\ngbksong01 0 0\n";
    WriteFile(HtfPath("song", 1), source);
    WriteFile("log.txt", "previous run");

    EXPECT_EQ(Clone("song", "song"), RunOutcome::Stopped);
    std::vector expected{Warning(Native("Cannot clone a family onto itself: ht/gbksong and "
                                        "ht/gbksong are the same directory!"))};
    // A link to the source names the same directory under another name, where links exist.
    std::error_code noLinks;
    fs::create_directory_symlink("gbksong", "ht/gbklink", noLinks);
    if (!noLinks) {
        EXPECT_EQ(Clone("song", "link"), RunOutcome::Stopped);
        expected.push_back(Warning(Native("Cannot clone a family onto itself: ht/gbksong "
                                          "and ht/gbklink are the same directory!")));
    }
    EXPECT_EQ(reporter.messages, expected);
    EXPECT_EQ(ReadFile(HtfPath("song", 1)), source);
    EXPECT_EQ(ReadFile("log.txt"), "previous run");
}

TEST_F(CloningTest, NamesWithAPathSeparatorAreRefused) {
    WriteFile(HtfPath("song", 1), "gbksong01 0 0\na\n");
    EXPECT_EQ(Clone("song", "x/../../escaped"), RunOutcome::Stopped);
    EXPECT_EQ(Clone("so\\ng", "x"), RunOutcome::Stopped);
    EXPECT_EQ(reporter.messages,
              (std::vector{Warning("The font name \"x/../../escaped\" holds a path separator "
                                   "(\"/\" or \"\\\"), which would put its files outside the "
                                   "directory. Please type the name without it!"),
                           Warning("The font name \"so\\ng\" holds a path separator (\"/\" or "
                                   "\"\\\"), which would put its files outside the directory. "
                                   "Please type the name without it!")}));
    EXPECT_FALSE(fs::exists("log.txt"));
    EXPECT_FALSE(fs::exists("escaped"));
    EXPECT_FALSE(fs::exists("ht/gbkx"));
}

TEST_F(CloningTest, ATargetDirectoryThatCannotBeMadeStopsTheRun) {
    WriteFile("ht", "a file where the directory belongs");
    EXPECT_EQ(Clone("song", "fsong"), RunOutcome::Stopped);
    const std::string message = Native("Failed to create the directory ht/gbkfsong!\n");
    EXPECT_EQ(reporter.messages, std::vector{Warning(message)});
    EXPECT_EQ(ReadFile("log.txt"), message);
}

} // namespace
} // namespace glyphsmith::test
