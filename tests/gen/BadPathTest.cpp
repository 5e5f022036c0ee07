// SPDX-License-Identifier: MIT
// Paths and names that are bad: a directory or a file in the other's place, names with
// blanks, "%" and letters beyond ASCII, paths of 300 and 5,000 characters, devices and
// named pipes. Every run states what it writes and logs for each.
#include "BadInputFixture.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace glyphsmith::test {
namespace {

const std::string kLogFailed = "Failed to create/open the log file!";

// A relative path of nested directories of nine letters, its last one ten.
const std::string kDeepTop = "ddddddddd";
std::string DeepPath(std::size_t length) {
    std::string path;
    while (path.size() + 10 < length) {
        path += kDeepTop + kPathSeparator;
    }
    return path + std::string(length - path.size(), 'd');
}

using DirectoryInPlaceOfAFile = BadInputTest;

TEST_F(DirectoryInPlaceOfAFile, TheLogStopsEveryRunBeforeItWrites) {
    fs::create_directory("log.txt");
    WriteCloneSources();
    EXPECT_EQ(Gen1(), RunOutcome::Stopped);
    EXPECT_EQ(Gen2(), RunOutcome::Stopped);
    EXPECT_EQ(Clone(), RunOutcome::Stopped);
    EXPECT_EQ(Alias(), RunOutcome::Stopped);
    EXPECT_EQ(reporter.messages, std::vector(4, Warning(kLogFailed)));
    EXPECT_FALSE(fs::exists("out/gbkfsong"));
    EXPECT_FALSE(fs::exists("al"));
}

TEST_F(DirectoryInPlaceOfAFile, TheInputsOfTheGeneratorsCannotBeOpened) {
    fs::create_directories("sfd");
    settings.sfdFile = "sfd";
    EXPECT_EQ(Gen1(), RunOutcome::Stopped);
    EXPECT_EQ(ReadFile("log.txt"), "Failed to open UGBK.sfd file sfd\n!");

    WriteEnc(1, EncText());
    fs::create_directories(EncFile(2));
    WriteEnc(3, EncText());
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), Progress() + "Failed to open .enc file " + EncFile(2) +
                                       "!Go to the next file!\n" + MissingEncLines(4, 94));
    EXPECT_EQ(ReadFile(Gen2File(3)), HtfText("gbksong03 0 255", HtfRows(3, 0, 255)));

    fs::create_directories("table");
    settings.codePageFile = "table";
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), Progress() + "Failed to open MS codepage file table\n!");

    fs::remove("copyright.txt");
    fs::create_directory("copyright.txt");
    EXPECT_EQ(Gen2(), RunOutcome::Stopped);
    EXPECT_EQ(ReadFile("log.txt"), "");
    EXPECT_EQ(reporter.messages,
              (std::vector{Warning("Failed to open UGBK.sfd file sfd\n!"), Warning(kSomeFailed),
                           Warning(kSomeFailed), Warning("Failed to open copyright.txt!\n")}));
}

TEST_F(DirectoryInPlaceOfAFile, ACloneSourceCannotBeOpened) {
    WriteCloneSources();
    fs::remove(CloneSource(94));
    fs::create_directory(CloneSource(94));
    EXPECT_EQ(Clone(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), "Failed to open source .htf file " + CloneSource(94) + "!\n");
    EXPECT_FALSE(fs::exists(CloneTarget(94)));
}

using FileInPlaceOfADirectory = BadInputTest;

TEST_F(FileInPlaceOfADirectory, TheGeneratorsLogEveryDirectoryOrFile) {
    WriteFile("out", "a file");
    EXPECT_EQ(Gen1("song hei"), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), Native("Fail to create the directory out/gbksong!\n"
                                          "Fail to create the directory out/gbkhei!\n"));
    EXPECT_EQ(ReadFile("out"), "a file");

    fs::remove("out");
    WriteFile("out/gbksong", "a file");
    EXPECT_EQ(Gen1(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), SeriesLines("Fail to create .htf file", Gen1File));

    WriteFile("enc", "a file");
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), "There are no any .enc files in enc!\n");

    // A file whose name holds gbk is no family.
    fs::remove("enc");
    WriteFile("enc/gbksong", "a file");
    EXPECT_EQ(Gen2(), RunOutcome::Completed);
    EXPECT_EQ(ReadFile("log.txt"), "");
    EXPECT_EQ(reporter.messages.back(), Information(kAllCreated));
}

TEST_F(FileInPlaceOfADirectory, CloningAndAliasLogEveryFile) {
    WriteFile("out/gbksong", "a file");
    EXPECT_EQ(Clone(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), SeriesLines("Failed to open source .htf file", CloneSource));
    EXPECT_TRUE(fs::is_empty("out/gbkfsong"));

    WriteFile("al/gbkx", "a file");
    EXPECT_EQ(Alias(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              SeriesLines("Failed to create the alias .htf file",
                          [](int subfont) { return AliasFile("x", subfont); }));
    EXPECT_EQ(ReadFile("al/gbkx"), "a file");
    EXPECT_EQ(reporter.messages, (std::vector{Warning(kSomeFailed), Warning(kSomeAliasFailed)}));
}

// Names and paths are used as typed or found: blanks, "%" and UTF-8 letters alike.
using BlanksPerCentAndNonAscii = BadInputTest;

const std::string kHan = "\xE5\xAE\x8B\xE4\xBD\x93"; // two Han characters, six bytes

TEST_F(BlanksPerCentAndNonAscii, InGenerator1Paths) {
    settings.htfDirectory = "my out%s";
    settings.sfdFile = Native("100% " + kHan + "/UGBK.sfd");
    fs::create_directory(FsPath("100% " + kHan));
    fs::rename("UGBK.sfd", FsPath(settings.sfdFile));
    WriteFile("copyright.txt", ".htf\n");
    EXPECT_EQ(Gen1(kHan + " a%sb"), RunOutcome::Completed);
    EXPECT_EQ(ReadFile("log.txt"), "");
    // The dated comment's width counts bytes: gbk and two Han characters make nine.
    const std::string han = "gbk" + kHan + "01";
    EXPECT_EQ(ReadFile(FsPath(Native("my out%s/gbk" + kHan + "/" + han + ".htf"))),
              HtfText(han + " 0 255",
                      WithEnds(HtfRows(1, 0, 0), {" % " + han + ".htf (unicode)    2005-05-18 %"}) +
                          HtfRows(1, 1, 255)));
    EXPECT_EQ(ReadFile(Native("my out%s/gbka%sb/gbka%sb01.htf")),
              HtfText("gbka%sb01 0 255",
                      WithEnds(HtfRows(1, 0, 0), {" % gbka%sb01.htf (unicode)      2005-05-18 %"}) +
                          HtfRows(1, 1, 255)));
}

TEST_F(BlanksPerCentAndNonAscii, InGenerator2FamilyDirectories) {
    const std::string onDisk = "GBK " + kHan + "%s";
    const std::string family = "gbk " + kHan + "%s";
    for (int subfont = 1; subfont <= 94; ++subfont) {
        WriteFile(FsPath(Native("enc/" + onDisk + "/" + onDisk + TwoDigits(subfont) + ".ENC")),
                  EncText());
    }
    settings.discardBlanks = true;
    EXPECT_EQ(Gen2(), RunOutcome::Completed);
    EXPECT_EQ(ReadFile("log.txt"), Progress(family));
    EXPECT_EQ(ReadFile(FsPath(Native("out/" + family + "/" + family + "27.htf"))),
              HtfText(family + "27 90 172", HtfRows(27, 90, 172)));
}

TEST_F(BlanksPerCentAndNonAscii, InClonedAndAliasNames) {
    const std::string from = kHan + " %";
    WriteCloneSources(from);
    EXPECT_EQ(Clone(from, "a b%d"), RunOutcome::Completed);
    EXPECT_EQ(ReadFile("log.txt"), "");
    EXPECT_EQ(ReadFile(FsPath(HtfFile("a b%d", 7))),
              "gbka b%d07 0 0  %cloned from gbk" + from + "07.htf\nrow\ngbka b%d07 0 0\n");

    settings.bold = true;
    settings.fontFamily = "Noto Serif CJK SC";
    settings.otherStyle = "content: \"%d\"";
    EXPECT_EQ(Alias(kHan, "a b%s"), RunOutcome::Completed);
    EXPECT_EQ(ReadFile(AliasFile("a b%s", 7)),
              ".gbk" + kHan +
                  "07\nhtfcss: gbka b%s07 font-family: Noto Serif CJK SC; font-weight: bold; "
                  "content: \"%d\";\n\n");
    EXPECT_EQ(reporter.messages,
              (std::vector{Information(kAllCreated), Information(kAllAliasCreated)}));
}

// Removes a tree of nested directories by moving each directory's subdirectories up into
// the working directory before removing it, so that no path it forms holds more than two
// names: platforms that create deep paths do not always remove them.
void RemoveDeepTree(const fs::path& top) {
    std::vector<fs::path> directories;
    if (fs::exists(top)) {
        directories.push_back(top);
    }
    for (int moved = 0; !directories.empty();) {
        const fs::path directory = directories.back();
        directories.pop_back();
        std::vector<fs::directory_entry> entries(fs::directory_iterator(directory), {});
        for (const fs::directory_entry& entry : entries) {
            if (entry.is_directory()) {
                directories.push_back("moved" + std::to_string(moved++));
                fs::rename(entry.path(), directories.back());
            } else {
                fs::remove(entry.path());
            }
        }
        fs::remove(directory);
    }
}

class LongPath : public BadInputTest {
  protected:
    ~LongPath() override { RemoveDeepTree(kDeepTop); }
};

TEST_F(LongPath, Of300CharactersWorksForEveryRun) {
    const std::string deep = DeepPath(300);
    settings.htfDirectory = deep;
    settings.aliasDirectory = deep;
    EXPECT_EQ(Gen1(), RunOutcome::Completed);
    EXPECT_EQ(ReadFile(JoinPath(deep, Native("gbksong/gbksong94.htf"))),
              HtfText("gbksong94 0 255", HtfRows(94, 0, 255)));

    WriteEnc(94, EncText());
    settings.discardBlanks = true;
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), Progress() + MissingEncLines(1, 93));
    EXPECT_EQ(ReadFile(JoinPath(deep, Native("gbksong/gbksong94.htf"))),
              HtfText("gbksong94 0 37", HtfRows(94, 0, 37)));

    EXPECT_EQ(Clone(), RunOutcome::Completed);
    EXPECT_EQ(ReadFile(JoinPath(deep, Native("gbkfsong/gbkfsong94.htf"))),
              "gbkfsong94 0 37  %cloned from gbksong94.htf\n" + HtfRows(94, 0, 37) +
                  "gbkfsong94 0 37\n");

    EXPECT_EQ(Alias(), RunOutcome::Completed);
    EXPECT_EQ(ReadFile(JoinPath(deep, Native("gbkx/gbkx94.htf"))), ".gbksong94\n");
}

TEST_F(LongPath, Of5000CharactersFailsWithTheWholePathInItsMessage) {
    const std::string deep = DeepPath(5000);
    settings.htfDirectory = deep;
    settings.aliasDirectory = deep;
    EXPECT_EQ(Gen1(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              "Fail to create the directory " + JoinPath(deep, "gbksong") + "!\n");

    WriteEnc(1, EncText());
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    const std::string gen2Failure =
        "Failed to create the directory " + JoinPath(deep, "gbksong") + "!\n";
    EXPECT_EQ(ReadFile("log.txt"), Progress() + gen2Failure);

    const std::string cloneFailure =
        "Failed to create the directory " + JoinPath(deep, "gbkfsong") + "!\n";
    EXPECT_EQ(Clone(), RunOutcome::Stopped);
    EXPECT_EQ(ReadFile("log.txt"), cloneFailure);

    const std::string aliasFailure =
        "Failed to create the directory " + JoinPath(deep, "gbkx") + "!\n\n";
    EXPECT_EQ(Alias(), RunOutcome::Stopped);
    EXPECT_EQ(ReadFile("log.txt"), aliasFailure);

    settings.encDirectory = deep;
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), "There are no any .enc files in " + deep + "!\n");

    settings.sfdFile = deep;
    EXPECT_EQ(Gen1(), RunOutcome::Stopped);
    EXPECT_EQ(reporter.messages,
              (std::vector{Warning(kSomeFailed), Warning(gen2Failure), Warning(kSomeFailed),
                           Warning(cloneFailure), Warning(aliasFailure), Warning(kSomeFailed),
                           Warning("Failed to open UGBK.sfd file " + deep + "\n!")}));
}

TEST_F(LongPath, NamesOf300And5000CharactersAreNoFileNames) {
    for (const std::size_t length : {300, 5000}) {
        const std::string name(length, 'n');
        reporter.messages.clear();
        EXPECT_EQ(Gen1(name + " hei"), RunOutcome::CompletedWithFailures);
        EXPECT_EQ(ReadFile("log.txt"),
                  "Fail to create the directory " + JoinPath("out", "gbk" + name) + "!\n");
        EXPECT_EQ(ReadFile(Native("out/gbkhei/gbkhei01.htf")),
                  HtfText("gbkhei01 0 255", HtfRows(1, 0, 255)));

        const std::string cloneFailure =
            "Failed to create the directory " + JoinPath("out", "gbk" + name) + "!\n";
        EXPECT_EQ(Clone("hei", name), RunOutcome::Stopped);
        EXPECT_EQ(ReadFile("log.txt"), cloneFailure);

        const std::string aliasFailure =
            "Failed to create the directory " + JoinPath("al", "gbk" + name) + "!\n\n";
        EXPECT_EQ(Alias("song", name), RunOutcome::Stopped);
        EXPECT_EQ(ReadFile("log.txt"), aliasFailure);
        EXPECT_EQ(reporter.messages, (std::vector{Warning(kSomeFailed), Warning(cloneFailure),
                                                  Warning(aliasFailure)}));
    }
}

// Devices and named pipes exist on Linux only.
class DeviceOrPipe : public BadInputTest {
  protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "no devices or named pipes among files";
#endif
    }

    static void MakeParent(const fs::path& path) {
        if (path.has_parent_path()) {
            fs::create_directories(path.parent_path());
        }
    }

    static void LinkTo(const char* device, const std::string& path) {
        MakeParent(path);
        fs::create_symlink(device, path);
    }

    static void MakePipe([[maybe_unused]] const std::string& path) {
        MakeParent(path);
#ifndef _WIN32
        ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
#endif
    }
};

TEST_F(DeviceOrPipe, AsAnInputCannotBeOpened) {
    settings.sfdFile = "/dev/zero";
    EXPECT_EQ(Gen1(), RunOutcome::Stopped);
    EXPECT_EQ(ReadFile("log.txt"), "Failed to open UGBK.sfd file /dev/zero\n!");
    MakePipe("pipes/UGBK.sfd");
    settings.sfdFile = "pipes/UGBK.sfd";
    EXPECT_EQ(Gen1(), RunOutcome::Stopped);
    EXPECT_EQ(ReadFile("log.txt"), "Failed to open UGBK.sfd file pipes/UGBK.sfd\n!");

    LinkTo("/dev/zero", EncFile(1));
    MakePipe(EncFile(2));
    WriteEnc(3, EncText());
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), Progress() + "Failed to open .enc file " + EncFile(1) +
                                       "!Go to the next file!\n" + "Failed to open .enc file " +
                                       EncFile(2) + "!Go to the next file!\n" +
                                       MissingEncLines(4, 94));
    EXPECT_EQ(ReadFile(Gen2File(3)), HtfText("gbksong03 0 255", HtfRows(3, 0, 255)));

    settings.codePageFile = "/dev/zero";
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), Progress() + "Failed to open MS codepage file /dev/zero\n!");

    WriteCloneSources();
    fs::remove(CloneSource(1));
    LinkTo("/dev/zero", CloneSource(1));
    EXPECT_EQ(Clone(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              "Failed to open source .htf file " + CloneSource(1) + "!Go to the next file!\n");

    fs::remove("copyright.txt");
    MakePipe("copyright.txt");
    EXPECT_EQ(Gen1(), RunOutcome::Stopped);
    EXPECT_EQ(reporter.messages.back(), Warning("Failed to open copyright.txt!\n"));
}

TEST_F(DeviceOrPipe, AsAnOutputFailsItsFileWithALogLine) {
    LinkTo("/dev/full", Gen1File(3));
    MakePipe(Gen1File(4));
    EXPECT_EQ(Gen1(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), "Fail to write .htf file " + Gen1File(3) +
                                       "!Go to the next file!\nFail to create .htf file " +
                                       Gen1File(4) + "!Go to the next file!\n");
    EXPECT_EQ(ReadFile(Gen1File(5)), HtfText("gbksong05 0 255", HtfRows(5, 0, 255)));

    WriteEnc(3, EncText());
    WriteEnc(4, EncText());
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              Progress() + MissingEncLines(1, 2) + "Failed to write .htf file " + Gen2File(3) +
                  "!Go to the next file!\nFailed to create .htf file " + Gen2File(4) +
                  "!Go to the next file!\n" + MissingEncLines(5, 94));

    MakePipe(AliasFile("x", 1));
    EXPECT_EQ(Alias(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), "Failed to create the alias .htf file " + AliasFile("x", 1) +
                                       "!Go to the next file!\n");
    EXPECT_EQ(reporter.messages,
              (std::vector{Warning(kSomeFailed), Warning(kSomeFailed), Warning(kSomeAliasFailed)}));
}

TEST_F(DeviceOrPipe, AsTheLogStopsTheRunOrTurnsItsMessageIntoAWarning) {
    MakePipe("log.txt");
    EXPECT_EQ(Alias(), RunOutcome::Stopped);
    EXPECT_FALSE(fs::exists("al"));

    fs::remove("log.txt");
    LinkTo("/dev/full", "log.txt");
    for (int subfont = 1; subfont <= 94; ++subfont) {
        WriteEnc(subfont, EncText());
    }
    settings.discardBlanks = true;
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures); // its progress line is lost
    fs::create_directories(AliasFile("x", 5));
    EXPECT_EQ(Alias(), RunOutcome::CompletedWithFailures); // its failure line is lost
    EXPECT_EQ(ReadFile(AliasFile("x", 94)), ".gbksong94\n");
    // A run that has nothing to log loses nothing.
    fs::remove(AliasFile("x", 5));
    EXPECT_EQ(Alias(), RunOutcome::Completed);
    const std::string lost = "\nFailed to write the log file; log.txt may lack lines!";
    EXPECT_EQ(reporter.messages,
              (std::vector{Warning(kLogFailed), Warning(kAllCreated + lost),
                           Warning(kSomeAliasFailed + lost), Information(kAllAliasCreated)}));
}

} // namespace
} // namespace glyphsmith::test
