// SPDX-License-Identifier: MIT
#include "BadInputFixture.h"
#include "CodePageTable.h"

#include <gtest/gtest.h>
#include <sstream>

namespace glyphsmith::test {
namespace {

// Codes that are multiples of 7 have no character.
bool HasCharacter(int code) {
    return code % 7 != 0;
}

void WriteFamily(const std::string& directory, const std::string& fileStem, int from = 1,
                 int to = 94) {
    for (int subfont = from; subfont <= to; ++subfont) {
        WriteFile(fs::path("enc") / directory / (fileStem + TwoDigits(subfont) + ".enc"),
                  EncText(257, HasCharacter));
    }
}

// The rows that the sample inputs give for subfont b, codes first to last.
std::string Rows(int subfont, int first, int last) {
    return HtfRows(subfont, first, last, [](int, int code) { return HasCharacter(code); });
}

class Generator2Test : public RunTest {
  protected:
    Generator2Test() {
        WriteFile("MS-GBK-Codepage.txt", CodePageText());
        settings.htfDirectory = "out";
    }
};

TEST_F(Generator2Test, WritesEveryFileOfAFamilyFromItsOwnTableLines) {
    WriteFamily("gbksong", "gbksong");
    EXPECT_EQ(Gen2(), RunOutcome::Completed);
    EXPECT_EQ(reporter.messages, std::vector{Information(kAllCreated)});
    EXPECT_EQ(ReadFile("log.txt"), Progress("gbksong"));
    // Code 190 of subfont 1 is the first code of lead byte 0x82: three lines lie between.
    EXPECT_EQ(ReadFile("out/gbksong/gbksong01.htf"), HtfText("gbksong01 0 255", Rows(1, 0, 255)));
    EXPECT_EQ(ReadFile("out/gbksong/gbksong27.htf"),
              HtfText("gbksong27 90 172", Rows(27, 90, 172)));
    EXPECT_EQ(ReadFile("out/gbksong/gbksong94.htf"), HtfText("gbksong94 0 37", Rows(94, 0, 37)));
}

TEST_F(Generator2Test, KeptBlanksWriteAllRowsAndMergeTheTemplate) {
    WriteFile("copyright.txt", " % one\n % the .htf file\n");
    WriteFamily("gbksong", "gbksong", 27, 27);
    settings.discardBlanks = false;
    Gen2();
    EXPECT_EQ(ReadFile("out/gbksong/gbksong27.htf"),
              HtfText("gbksong27 0 255",
                      WithEnds(Rows(27, 0, 255),
                               {" % one", " % gbksong27.htf (unicode)      2005-05-18 %"})));
}

TEST_F(Generator2Test, MissingEncFilesAreLoggedAndLaterSubfontsKeepTheirValues) {
    WriteFamily("gbksong", "gbksong", 1, 4);
    WriteFamily("gbksong", "gbksong", 6, 93);
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              Progress("gbksong") +
                  Native("Failed to open .enc file enc/gbksong/gbksong05.enc!Go to the next "
                         "file!\nFailed to open .enc file enc/gbksong/gbksong94.enc!\n"));
    EXPECT_FALSE(fs::exists("out/gbksong/gbksong05.htf"));
    EXPECT_EQ(ReadFile("out/gbksong/gbksong06.htf"), HtfText("gbksong06 0 255", Rows(6, 0, 255)));
    EXPECT_EQ(reporter.messages, std::vector{Warning(kSomeFailed)});
}

TEST_F(Generator2Test, AnHtfFileThatCannotBeCreatedIsSkipped) {
    WriteFamily("gbksong", "gbksong");
    fs::create_directories("out/gbksong/gbksong02.htf");
    Gen2();
    EXPECT_EQ(ReadFile("log.txt"),
              Progress("gbksong") + Native("Failed to create .htf file "
                                           "out/gbksong/gbksong02.htf!Go to the next file!\n"));
    EXPECT_EQ(ReadFile("out/gbksong/gbksong03.htf"), HtfText("gbksong03 0 255", Rows(3, 0, 255)));
}

TEST_F(Generator2Test, FamiliesAreListedInByteOrderAndMatchedWithoutCase) {
    WriteFamily("gbksong", "gbksong", 1, 94);
    WriteFamily("GBKHei", "GbkHei", 1, 94);
    fs::create_directories("enc/fonts");
    WriteFile("enc/gbkkai.txt", "a file, not a family");
    EXPECT_EQ(Gen2(), RunOutcome::Completed);
    EXPECT_EQ(ReadFile("log.txt"), Progress("gbkhei") + Progress("gbksong"));
    EXPECT_EQ(ReadFile("out/gbkhei/gbkhei94.htf"), HtfText("gbkhei94 0 37", Rows(94, 0, 37)));
    EXPECT_FALSE(fs::exists("out/fonts"));
}

TEST_F(Generator2Test, AMissingTableFailsEveryFamilyAndMakesNoDirectory) {
    settings.codePageFile = "missing.txt";
    for (const char* family : {"gbka", "gbkb", "mygbkc"}) {
        WriteFamily(family, family);
    }
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              Progress("gbka") + "Failed to open MS codepage file missing.txt\n!" +
                  Progress("gbkb") + "Failed to open MS codepage file missing.txt\n!" +
                  Progress("mygbkc") + "Failed to open MS codepage file missing.txt\n!");
    EXPECT_FALSE(fs::exists("out"));
}

TEST_F(Generator2Test, AMissingSourceDirectoryIsLoggedAsItIsNamed) {
    settings.encDirectory = "enc%s%d";
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), "There are no any .enc files in enc%s%d!\n");
}

TEST_F(Generator2Test, AnEmptyPathStopsBeforeTheLogIsTouched) {
    WriteFile("log.txt", "previous run");
    settings.encDirectory = "";
    EXPECT_EQ(Gen2(), RunOutcome::Stopped);
    EXPECT_EQ(reporter.messages,
              std::vector{Warning("Please set the related information firstly!")});
    EXPECT_EQ(ReadFile("log.txt"), "previous run");
}

TEST_F(Generator2Test, AMissingTemplateLeavesAnEmptyLog) {
    fs::remove("copyright.txt");
    WriteFamily("gbksong", "gbksong");
    EXPECT_EQ(Gen2(), RunOutcome::Stopped);
    EXPECT_EQ(reporter.messages, std::vector{Warning("Failed to open copyright.txt!\n")});
    EXPECT_EQ(ReadFile("log.txt"), "");
    EXPECT_FALSE(fs::exists("out"));
}

TEST_F(Generator2Test, ALogThatCannotBeOpenedStopsTheRun) {
    fs::create_directory("log.txt");
    EXPECT_EQ(Gen2(), RunOutcome::Stopped);
    EXPECT_EQ(reporter.messages, std::vector{Warning("Failed to create/open the log file!")});
}

TEST_F(Generator2Test, ATargetDirectoryThatCannotBeMadeIsShownAndLogged) {
    WriteFamily("gbksong", "gbksong");
    WriteFamily("gbkhei", "gbkhei");
    WriteFile("out/gbkhei", "a file where the directory belongs");
    settings.htfDirectory = Native("out/gbkhei");
    EXPECT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    const std::string message = Native("Failed to create the directory out/gbkhei/gbkhei!\n");
    EXPECT_EQ(reporter.messages[0], Warning(message));
    EXPECT_EQ(ReadFile("log.txt"),
              Progress("gbkhei") + message + Progress("gbksong") +
                  Native("Failed to create the directory out/gbkhei/gbksong!\n"));
}

TEST_F(Generator2Test, ShortInputsGiveCodesWithoutACharacterAndANote) {
    WriteFile("MS-GBK-Codepage.txt", CodePageText(200));
    WriteFamily("gbksong", "gbksong", 1, 1);
    WriteFile("enc/gbksong/gbksong01.enc", EncText(250, HasCharacter));
    Gen2();
    const std::string expectedRows = Rows(1, 0, 199) + BlankRows(200, 255);
    // Rows 200 to 248 lack a table value (7 of them need none), 249 to 255 an .enc line.
    std::string rows = ReadFile("out/gbksong/gbksong01.htf");
    EXPECT_EQ(rows.substr(16, expectedRows.size()), expectedRows);
    const std::string log = ReadFile("log.txt");
    EXPECT_NE(log.find(Native("enc/gbksong/gbksong01.enc: the file has ended after line "
                              "250; 7 codes of out/gbksong/gbksong01.htf are written "
                              "without a character\n")),
              std::string::npos)
        << log;
    EXPECT_NE(log.find(Native("MS-GBK-Codepage.txt: the table has ended after line 206; 42 "
                              "codes of out/gbksong/gbksong01.htf are written without a "
                              "character\n")),
              std::string::npos)
        << log;
}

TEST_F(Generator2Test, ATableWithoutItsMarkerIsNoted) {
    WriteFile("MS-GBK-Codepage.txt", "nothing here\n");
    WriteFamily("gbksong", "gbksong", 94, 94);
    Gen2();
    const std::string log = ReadFile("log.txt");
    EXPECT_NE(log.find("MS-GBK-Codepage.txt: the table has ended after line 1 with no line that "
                       "holds \";LeadByte = 0x81\", so it gives no values\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(ReadFile("out/gbksong/gbksong94.htf").substr(15, 18), "  ''       ''   0\n");
}

// The table is read once for a run: each family takes its values from the same lines and
// notes what the table lacks, also after a family that failed on the way.
TEST_F(Generator2Test, EveryFamilyTakesItsValuesFromTheSameTable) {
    // Code 0 of subfont 94 is code 23808 of the table, on line 4 + 23808 + 3 * 125.
    const std::string noMarker = "MS-GBK-Codepage.txt: the table has ended after line 1 with no "
                                 "line that holds \";LeadByte = 0x81\", so it gives no values\n";
    const auto tableEnd = [](int line, int codes) {
        return "MS-GBK-Codepage.txt: the table has ended after line " + std::to_string(line) +
               "; " + std::to_string(codes) + " codes of " + Native("out/gbkb/gbkb94.htf") +
               " are written without a character\n";
    };
    const struct {
        std::string table;
        std::string preambleNote;
        std::string rows;
        std::string tableNote;
    } cases[] = {
        {CodePageText(), "", Rows(94, 0, 37), ""},
        {CodePageText(23808 + 10), "", Rows(94, 0, 9) + BlankRows(10, 37), tableEnd(24196, 24)},
        {"nothing here\n", noMarker, BlankRows(0, 37), tableEnd(1, 32)},
    };
    const auto missingEnc = [](const std::string& family) {
        return SeriesLines(
            "Failed to open .enc file",
            [&](int subfont) {
                return Native("enc/" + family + "/" + family) + TwoDigits(subfont) + ".enc";
            },
            1, 93);
    };
    for (const auto& [table, preambleNote, rows, tableNote] : cases) {
        fs::remove_all("out");
        fs::create_directories("out/gbka/gbka94.htf");
        WriteFile("MS-GBK-Codepage.txt", table);
        WriteFamily("gbka", "gbka", 94, 94);
        WriteFamily("gbkb", "gbkb", 94, 94);
        Gen2();
        EXPECT_EQ(ReadFile("log.txt"),
                  Progress("gbka") + preambleNote + missingEnc("gbka") +
                      Native("Failed to create .htf file out/gbka/gbka94.htf!\n") +
                      Progress("gbkb") + preambleNote + missingEnc("gbkb") + tableNote)
            << preambleNote << tableNote;
        EXPECT_EQ(ReadFile("out/gbkb/gbkb94.htf"), HtfText("gbkb94 0 37", rows)) << tableNote;
    }
}

TEST(CodePageTable, DigitsAreTheFourHexadecimalCharactersFrom8To11) {
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"0x40\t0x4E02", "4E02"},          {"0x40\t0x09af", "09af"},
        {"0x40\t0xABCDEF", "ABCD"},        {"0x40\t0x4E0", std::nullopt},
        {"0x40\t0x4E0G", std::nullopt},    {"0x40\t0x4E0g", std::nullopt},
        {"0x40\t0x/E02", std::nullopt},    {"0x40\t0x:E02", std::nullopt},
        {"0x40\t0x@E02", std::nullopt},    {"0x40\t0x`E02", std::nullopt},
        {"0x40\t0x 4E0", std::nullopt},    {std::string("0x40\t0x4E0") + '\0', std::nullopt},
        {"0x40\t0x4E0\xB2", std::nullopt}, {"0x40\t0x4E0\xEF", std::nullopt},
    };
    for (const auto& [line, digits] : cases) {
        EXPECT_EQ(TableLineDigits(line), digits) << line;
    }
}

TEST(EncodedSubfont, NotdefAnywhereInALineMarksACodeWithoutACharacter) {
    std::istringstream tableText(CodePageText(1));
    const CodePageTable table = CodePageTable::Read(tableText);
    const std::vector<std::pair<std::string, bool>> cases = {
        {"/uni4E00", true},           {"/.notdef", false},  {"/.notdef % none", false},
        {"/uni4E00 /.notdef", false}, {"x/.notdef", false}, {"/.notde", true},
        {"/.NOTDEF", true},           {"", true},
    };
    for (const auto& [line, hasCharacter] : cases) {
        std::istringstream enc("/name\n" + line + "\n");
        InputShortage encShortage("x.enc");
        InputShortage tableShortage("x.txt");
        EncodedSubfont codes(enc, table, 1, encShortage, tableShortage);
        EXPECT_EQ(codes(0, true), hasCharacter ? CharacterReference("x4E00") : std::nullopt)
            << line;
    }
}

} // namespace
} // namespace glyphsmith::test
