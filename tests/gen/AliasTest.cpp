// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace glyphsmith::test {
namespace {

class AliasTest : public RunTest {
  protected:
    AliasTest() { settings.aliasDirectory = "al"; }
};

TEST(SlRule, FiresOnlyForALongerNameEndingInLowerCaseSl) {
    const std::pair<const char*, bool> cases[] = {
        {"songsl", true},  {"xsl", true},      {"sl", false},
        {"songSL", false}, {"songsls", false}, {"", false},
    };
    for (const auto& [name, fires] : cases) {
        GenerationSettings settings;
        EXPECT_EQ(ApplySlRule(name, settings), fires) << name;
        EXPECT_EQ(settings.italic, fires) << name;
    }
    GenerationSettings italicAlready;
    italicAlready.italic = true;
    ApplySlRule("sl", italicAlready);
    EXPECT_TRUE(italicAlready.italic);
}

TEST(AliasFileText, BuildsTheStyleLineFromItsPiecesInOrder) {
    GenerationSettings settings;
    EXPECT_EQ(AliasFileText("song", "x", 7, settings), ".gbksong07\n");
    settings.otherStyle = "color: navy";
    EXPECT_EQ(AliasFileText("song", "x", 7, settings), ".gbksong07\n");
    settings.bold = true;
    settings.otherStyle = "color: navy;";
    EXPECT_EQ(AliasFileText("song", "x", 12, settings),
              ".gbksong12\nhtfcss: gbkx12 font-weight: bold; color: navy;;\n\n");
    settings.italic = true;
    settings.fontFamily = "Times New Roman";
    EXPECT_EQ(AliasFileText("", "x", 1, settings),
              ".gbk01\nhtfcss: gbkx01 font-family: Times New Roman; font-weight: bold; "
              "font-style: italic; color: navy;;\n\n");
}

TEST_F(AliasTest, TheExamplesAsFilesOfSubfontSeven) {
    struct Example {
        const char* target;
        const char* alias;
        bool bold;
        const char* fontFamily;
        const char* otherStyle;
        const char* file;
    };
    const Example examples[] = {
        {"song", "songsl", false, "", "",
         ".gbksong07\nhtfcss: gbksongsl07 font-style: italic;\n\n"},
        {"hei", "heib", true, "", "letter-spacing: 1px",
         ".gbkhei07\nhtfcss: gbkheib07 font-weight: bold; letter-spacing: 1px;\n\n"},
        {"song", "kaiserif", false, "serif", "",
         ".gbksong07\nhtfcss: gbkkaiserif07 font-family: serif;\n\n"},
        {"song", "songx", false, "", "color: navy", ".gbksong07\n"},
    };
    for (const Example& example : examples) {
        settings = GenerationSettings{};
        settings.aliasDirectory = "al";
        settings.bold = example.bold;
        settings.fontFamily = example.fontFamily;
        settings.otherStyle = example.otherStyle;
        ApplySlRule(example.alias, settings);
        EXPECT_EQ(Alias(example.target, example.alias), RunOutcome::Completed);
        const std::string alias = example.alias;
        EXPECT_EQ(ReadFile("al/gbk" + alias + "/gbk" + alias + "07.htf"), example.file);
        EXPECT_EQ(ReadFile("log.txt"), "");
    }
    EXPECT_EQ(reporter.messages.size(), 4u);
    EXPECT_EQ(reporter.messages.back(), Information(kAllAliasCreated));
}

TEST_F(AliasTest, All94FilesAreWrittenIntoAnExistingDirectory) {
    WriteFile("al/gbkx/gbkx05.htf", "an older file");
    WriteFile("al/gbkx/notes.txt", "kept");
    EXPECT_EQ(Alias("song", "x"), RunOutcome::Completed);
    EXPECT_EQ(ReadFile("al/gbkx/gbkx01.htf"), ".gbksong01\n");
    EXPECT_EQ(ReadFile("al/gbkx/gbkx05.htf"), ".gbksong05\n");
    EXPECT_EQ(ReadFile("al/gbkx/gbkx94.htf"), ".gbksong94\n");
    EXPECT_EQ(ReadFile("al/gbkx/notes.txt"), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator("al/gbkx"), fs::directory_iterator()), 95);
}

TEST_F(AliasTest, FilesThatCannotBeCreatedAreLoggedAndTheRunGoesOn) {
    fs::create_directories("al/gbkx/gbkx03.htf");
    fs::create_directories("al/gbkx/gbkx94.htf");
    EXPECT_EQ(Alias("song", "x"), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              Native("Failed to create the alias .htf file al/gbkx/gbkx03.htf!Go to the "
                     "next file!\nFailed to create the alias .htf file al/gbkx/gbkx94.htf!\n"));
    EXPECT_EQ(ReadFile("al/gbkx/gbkx04.htf"), ".gbksong04\n");
    EXPECT_EQ(reporter.messages, std::vector{Warning(kSomeAliasFailed)});
}

TEST_F(AliasTest, AFailedWriteIsLogged) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no device that fails every write";
    }
    fs::create_directories("al/gbkx");
    fs::create_symlink("/dev/full", "al/gbkx/gbkx07.htf");
    EXPECT_EQ(Alias("song", "x"), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              "Failed to write the alias .htf file al/gbkx/gbkx07.htf!Go to the next file!\n");
    EXPECT_EQ(reporter.messages, std::vector{Warning(kSomeAliasFailed)});
}

TEST_F(AliasTest, ADirectoryThatCannotBeMadeIsLoggedWithAnEmptyLine) {
    WriteFile("al", "a file where the directory belongs");
    EXPECT_EQ(Alias("song", "x"), RunOutcome::Stopped);
    const std::string message = Native("Failed to create the directory al/gbkx!\n\n");
    EXPECT_EQ(reporter.messages, std::vector{Warning(message)});
    EXPECT_EQ(ReadFile("log.txt"), message);
}

TEST_F(AliasTest, OnlyAnAliasNameWithAPathSeparatorIsRefused) {
    WriteFile("log.txt", "previous run");
    EXPECT_EQ(Alias("song", "../x"), RunOutcome::Stopped);
    EXPECT_EQ(reporter.messages,
              std::vector{Warning("The font name \"../x\" holds a path separator (\"/\" or "
                                  "\"\\\"), which would put its files outside the directory. "
                                  "Please type the name without it!")});
    EXPECT_EQ(ReadFile("log.txt"), "previous run");
    EXPECT_FALSE(fs::exists("al"));
    // The target name goes into line 1 of each file only.
    EXPECT_EQ(Alias("a/b", "x"), RunOutcome::Completed);
    EXPECT_EQ(ReadFile(Native("al/gbkx/gbkx01.htf")), ".gbka/b01\n");
}

} // namespace
} // namespace glyphsmith::test
