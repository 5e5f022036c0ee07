#include "Generator2.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace glyphsmith {
namespace {

namespace fs = std::filesystem;
using test::Information;
using test::ReadFile;
using test::Warning;
using test::WriteFile;

// Sequence index j of the GBK codes gets the value U+4E00 + j.
std::string Hex4(int value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04X", value);
    return buffer;
}

// Codes that are multiples of 7 have no character.
bool HasNoCharacter(int code) {
    return code % 7 == 0;
}

std::string EncText(int lines = 257) {
    std::string enc = "/gbksong01 [\n";
    for (int code = 0; code + 1 < lines; ++code) {
        enc += HasNoCharacter(code) ? "/.notdef\n" : "/uni4E00\n";
    }
    return enc;
}

void WriteFamily(const std::string& directory, const std::string& fileStem, int from = 1,
                 int to = 94) {
    for (int subfont = from; subfont <= to; ++subfont) {
        char name[16];
        std::snprintf(name, sizeof name, "%02d.enc", subfont);
        WriteFile(fs::path("enc") / directory / (fileStem + name), EncText());
    }
}

// The rows that the sample inputs give for subfont b, codes first to last.
std::string ExpectedRows(int subfont, int first, int last) {
    std::string rows;
    for (int code = first; code <= last; ++code) {
        char row[32];
        if (HasNoCharacter(code)) {
            std::snprintf(row, sizeof row, "  ''       '' %3d\n", code);
        } else {
            std::snprintf(row, sizeof row, "'&#x%s;' '' %3d\n",
                          Hex4(0x4E00 + 256 * (subfont - 1) + code).c_str(), code);
        }
        rows += row;
    }
    return rows;
}

std::string Progress(const std::string& family) {
    return family + "xx.enc files are found, " + family + "xx.htf files are generating...\n";
}

class Generator2Test : public test::RunTest {
  protected:
    Generator2Test() {
        WriteFile("copyright.txt", "");
        WriteFile("MS-GBK-Codepage.txt", test::CodePageText());
        settings.htfDirectory = "out";
    }

    RunOutcome Run() { return Finished(RunGenerator2(settings, context)); }
};

TEST_F(Generator2Test, WritesEveryFileOfAFamilyFromItsOwnTableLines) {
    WriteFamily("gbksong", "gbksong");
    EXPECT_EQ(Run(), RunOutcome::Completed);
    EXPECT_EQ(reporter.messages, std::vector{Information("All .htf files have been created!")});
    EXPECT_EQ(ReadFile("log.txt"), Progress("gbksong"));
    // Code 190 of subfont 1 is the first code of lead byte 0x82: three lines lie between.
    EXPECT_EQ(ReadFile("out/gbksong/gbksong01.htf"),
              "gbksong01 0 255\n" + ExpectedRows(1, 0, 255) + "gbksong01 0 255\n");
    EXPECT_EQ(ReadFile("out/gbksong/gbksong27.htf"),
              "gbksong27 90 172\n" + ExpectedRows(27, 90, 172) + "gbksong27 90 172\n");
    EXPECT_EQ(ReadFile("out/gbksong/gbksong94.htf"),
              "gbksong94 0 37\n" + ExpectedRows(94, 0, 37) + "gbksong94 0 37\n");
}

TEST_F(Generator2Test, KeptBlanksWriteAllRowsAndMergeTheTemplate) {
    WriteFile("copyright.txt", " % one\n % the .htf file\n");
    WriteFamily("gbksong", "gbksong", 27, 27);
    settings.discardBlanks = false;
    Run();
    const std::string rows = ExpectedRows(27, 0, 255);
    std::string expected = "gbksong27 0 255\n" + rows + "gbksong27 0 255\n";
    expected.insert(16 + 17, " % one");
    expected.insert(16 + 17 + 6 + 1 + 17, " % gbksong27.htf (unicode)      2005-05-18 %");
    EXPECT_EQ(ReadFile("out/gbksong/gbksong27.htf"), expected);
}

TEST_F(Generator2Test, MissingEncFilesAreLoggedAndLaterSubfontsKeepTheirValues) {
    WriteFamily("gbksong", "gbksong", 1, 4);
    WriteFamily("gbksong", "gbksong", 6, 93);
    EXPECT_EQ(Run(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              Progress("gbksong") +
                  test::Native("Failed to open .enc file enc/gbksong/gbksong05.enc!Go to the next "
                               "file!\nFailed to open .enc file enc/gbksong/gbksong94.enc!\n"));
    EXPECT_FALSE(fs::exists("out/gbksong/gbksong05.htf"));
    EXPECT_EQ(ReadFile("out/gbksong/gbksong06.htf"),
              "gbksong06 0 255\n" + ExpectedRows(6, 0, 255) + "gbksong06 0 255\n");
    EXPECT_EQ(
        reporter.messages,
        std::vector{Warning("Some .htf files could not be created; see log.txt for details.")});
}

TEST_F(Generator2Test, AnHtfFileThatCannotBeCreatedIsSkipped) {
    WriteFamily("gbksong", "gbksong");
    fs::create_directories("out/gbksong/gbksong02.htf");
    Run();
    EXPECT_EQ(ReadFile("log.txt"),
              Progress("gbksong") +
                  test::Native("Failed to create .htf file "
                               "out/gbksong/gbksong02.htf!Go to the next file!\n"));
    EXPECT_EQ(ReadFile("out/gbksong/gbksong03.htf"),
              "gbksong03 0 255\n" + ExpectedRows(3, 0, 255) + "gbksong03 0 255\n");
}

TEST_F(Generator2Test, FamiliesAreListedInByteOrderAndMatchedWithoutCase) {
    WriteFamily("gbksong", "gbksong", 1, 94);
    WriteFamily("GBKHei", "GbkHei", 1, 94);
    fs::create_directories("enc/fonts");
    WriteFile("enc/gbkkai.txt", "a file, not a family");
    EXPECT_EQ(Run(), RunOutcome::Completed);
    EXPECT_EQ(ReadFile("log.txt"), Progress("gbkhei") + Progress("gbksong"));
    EXPECT_EQ(ReadFile("out/gbkhei/gbkhei94.htf"),
              "gbkhei94 0 37\n" + ExpectedRows(94, 0, 37) + "gbkhei94 0 37\n");
    EXPECT_FALSE(fs::exists("out/fonts"));
}

TEST_F(Generator2Test, AMissingTableFailsEveryFamilyAndMakesNoDirectory) {
    settings.codePageFile = "missing.txt";
    for (const char* family : {"gbka", "gbkb", "mygbkc"}) {
        WriteFamily(family, family);
    }
    EXPECT_EQ(Run(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              Progress("gbka") + "Failed to open MS codepage file missing.txt\n!" +
                  Progress("gbkb") + "Failed to open MS codepage file missing.txt\n!" +
                  Progress("mygbkc") + "Failed to open MS codepage file missing.txt\n!");
    EXPECT_FALSE(fs::exists("out"));
}

TEST_F(Generator2Test, AMissingSourceDirectoryIsLoggedAsItIsNamed) {
    settings.encDirectory = "enc%s%d";
    EXPECT_EQ(Run(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), "There are no any .enc files in enc%s%d!\n");
}

TEST_F(Generator2Test, AnEmptyPathStopsBeforeTheLogIsTouched) {
    WriteFile("log.txt", "previous run");
    settings.encDirectory = "";
    EXPECT_EQ(Run(), RunOutcome::Stopped);
    EXPECT_EQ(reporter.messages,
              std::vector{Warning("Please set the related information firstly!")});
    EXPECT_EQ(ReadFile("log.txt"), "previous run");
}

TEST_F(Generator2Test, AMissingTemplateLeavesAnEmptyLog) {
    fs::remove("copyright.txt");
    WriteFamily("gbksong", "gbksong");
    EXPECT_EQ(Run(), RunOutcome::Stopped);
    EXPECT_EQ(reporter.messages, std::vector{Warning("Failed to open copyright.txt!\n")});
    EXPECT_EQ(ReadFile("log.txt"), "");
    EXPECT_FALSE(fs::exists("out"));
}

TEST_F(Generator2Test, ALogThatCannotBeOpenedStopsTheRun) {
    fs::create_directory("log.txt");
    EXPECT_EQ(Run(), RunOutcome::Stopped);
    EXPECT_EQ(reporter.messages, std::vector{Warning("Failed to create/open the log file!")});
}

TEST_F(Generator2Test, ATargetDirectoryThatCannotBeMadeIsShownAndLogged) {
    WriteFamily("gbksong", "gbksong");
    WriteFamily("gbkhei", "gbkhei");
    WriteFile("out/gbkhei", "a file where the directory belongs");
    settings.htfDirectory = test::Native("out/gbkhei");
    EXPECT_EQ(Run(), RunOutcome::CompletedWithFailures);
    const std::string message = test::Native("Failed to create the directory out/gbkhei/gbkhei!\n");
    EXPECT_EQ(reporter.messages[0], Warning(message));
    EXPECT_EQ(ReadFile("log.txt"),
              Progress("gbkhei") + message + Progress("gbksong") +
                  test::Native("Failed to create the directory out/gbkhei/gbksong!\n"));
}

TEST_F(Generator2Test, ShortInputsGiveCodesWithoutACharacterAndANote) {
    WriteFile("MS-GBK-Codepage.txt", test::CodePageText(200));
    WriteFamily("gbksong", "gbksong", 1, 1);
    WriteFile("enc/gbksong/gbksong01.enc", EncText(250));
    Run();
    std::string expectedRows = ExpectedRows(1, 0, 199);
    for (int code = 200; code < 256; ++code) {
        char row[32];
        std::snprintf(row, sizeof row, "  ''       '' %3d\n", code);
        expectedRows += row;
    }
    // Rows 200 to 248 lack a table value (7 of them need none), 249 to 255 an .enc line.
    std::string rows = ReadFile("out/gbksong/gbksong01.htf");
    EXPECT_EQ(rows.substr(16, expectedRows.size()), expectedRows);
    const std::string log = ReadFile("log.txt");
    EXPECT_NE(log.find(test::Native("enc/gbksong/gbksong01.enc: the file has ended after line "
                                    "250; 7 codes of out/gbksong/gbksong01.htf are written "
                                    "without a character\n")),
              std::string::npos)
        << log;
    EXPECT_NE(log.find(test::Native("MS-GBK-Codepage.txt: the table has ended after line 206; 42 "
                                    "codes of out/gbksong/gbksong01.htf are written without a "
                                    "character\n")),
              std::string::npos)
        << log;
}

TEST_F(Generator2Test, ATableWithoutItsMarkerIsNoted) {
    WriteFile("MS-GBK-Codepage.txt", "nothing here\n");
    WriteFamily("gbksong", "gbksong", 94, 94);
    Run();
    const std::string log = ReadFile("log.txt");
    EXPECT_NE(log.find("MS-GBK-Codepage.txt: the table has ended after line 1 with no line that "
                       "holds \";LeadByte = 0x81\", so it gives no values\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(ReadFile("out/gbksong/gbksong94.htf").substr(15, 18), "  ''       ''   0\n");
}

} // namespace
} // namespace glyphsmith
