// SPDX-License-Identifier: MIT
#include "SubfontDefinitions.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <sstream>

namespace glyphsmith {
namespace {

constexpr auto C = SfdEntryKind::Character;
constexpr auto N = SfdEntryKind::NoCharacter;
constexpr auto M = SfdEntryKind::Malformed;

struct LineCase {
    std::string line;
    std::vector<SfdEntry> entries;
};

TEST(SfdLineEntries, TakesTheEntriesAtTheirColumns) {
    const std::vector<LineCase> cases = {
        {"01 0x4E02 0x4E04 \\", {{"x4E02", C}, {"x4E04", C}}},
        {"   0x4e0a 0xFFFE 0xfffe 0xFfFe",
         {{"x4e0a", C}, {"xFFFE", N}, {"xfffe", N}, {"xFfFe", N}}},
        {"01 0x4E02 0x4E0A 0x4E0B 0x4E0C 0x4E0D 0x4E0E 0x4E0F 0x4E10",
         {{"x4E02", C},
          {"x4E0A", C},
          {"x4E0B", C},
          {"x4E0C", C},
          {"x4E0D", C},
          {"x4E0E", C},
          {"x4E0F", C},
          {"x4E10", C}}},
        {"01 0x4E02  \\  \r", {{"x4E02", C}}},
        {"01 0x4E02 0x4E", {{"x4E02", C}, {"x4E", M}}},
        {"01 0x4E0G 0X4E02 0x4E02", {{"x4E0G", M}, {"X4E02", M}, {"x4E02", C}}},
        {"01 \\", {}},
        {"", {}},
    };
    for (const LineCase& lineCase : cases) {
        EXPECT_EQ(SfdLineEntries(lineCase.line), lineCase.entries) << lineCase.line;
    }
    EXPECT_EQ(SfdLineEntries("01 0x4E02 0xFFFE 0x4E04", 2),
              (std::vector<SfdEntry>{{"x4E02", C}, {"xFFFE", N}}));
    EXPECT_EQ(SfdLineEntries("01 0x4E02 0xFFFE", 0), std::vector<SfdEntry>{});
}

class SubfontDefinitionsTest : public ::testing::Test {
  protected:
    void Read(const std::string& text) {
        std::istringstream in(text);
        definitions = SubfontDefinitions::Read(in);
    }
    // The reference of a code and the note that it leaves, if any.
    std::pair<CharacterReference, std::string> Lookup(int subfont, int code) {
        InputShortage shortage("UGBK.sfd");
        const CharacterReference reference = definitions.Reference(subfont, code, shortage);
        std::optional<RunLog> log = RunLog::Open(kRunLogFile);
        shortage.Report(*log, "x.htf");
        log->Close();
        return {reference, test::ReadFile(kRunLogFile)};
    }

    test::ScopedWorkDir work;
    SubfontDefinitions definitions;
};

TEST_F(SubfontDefinitionsTest, SubfontsAreFoundByTheirNumbers) {
    Read("# The input encoding is Unicode.\n"
         "00 0x0000_0x00FF\n"
         "02 0x5011 \\\n"
         "# a comment inside a subfont\n"
         "\n"
         "   0x5013\n"
         "02 0x5015\n"
         "95 0x1111\n"
         "   0x2222\n"
         "01 0x4E02\n");
    EXPECT_EQ(Lookup(2, 0).first, "x5011");
    EXPECT_EQ(Lookup(2, 1).first, "x5013");
    EXPECT_EQ(Lookup(2, 2).first, "x5015");
    EXPECT_EQ(Lookup(1, 0).first, "x4E02");
    EXPECT_TRUE(definitions.Problems().empty());
    EXPECT_EQ(Lookup(2, 3),
              std::make_pair(CharacterReference(),
                             std::string("UGBK.sfd:7: subfont 02 ends after 3 codes; 1 code of "
                                         "x.htf is written without a character\n")));
    EXPECT_EQ(Lookup(3, 0).second, "UGBK.sfd: the file has ended after line 10 and lists no "
                                   "subfont 03; 1 code of x.htf is written without a character\n");
}

// Each entry comes back as the file spells it, also one cut short by the line's end.
TEST_F(SubfontDefinitionsTest, EntriesKeepTheirSpelling) {
    Read("The input encoding is Unicode\n01 0x4e0a 0xFFFE 0x4E0G 0x4E\n");
    const auto note = [](const std::string& entry) {
        return "UGBK.sfd:2: the entry \"" + entry +
               "\" is not x and four hexadecimal digits; 1 code of x.htf is written without "
               "a character\n";
    };
    const struct {
        int code;
        CharacterReference reference;
        std::string note;
    } kEntries[] = {
        {0, "x4e0a", ""},
        {1, std::nullopt, ""},
        {2, std::nullopt, note("x4E0G")},
        {3, std::nullopt, note("x4E")},
    };
    for (const auto& entry : kEntries) {
        EXPECT_EQ(Lookup(1, entry.code), std::make_pair(entry.reference, entry.note)) << entry.code;
    }
}

TEST_F(SubfontDefinitionsTest, CodesBeyondTheGbkSequenceNeedNoNote) {
    Read("The input encoding is Unicode\n94 0xE83F\n");
    EXPECT_EQ(Lookup(94, 132), std::make_pair(CharacterReference(), std::string()));
    EXPECT_NE(Lookup(94, 131).second, "");
}

TEST_F(SubfontDefinitionsTest, LinesBeforeTheMarkerArePreamble) {
    Read("01 0x1111\nThe input encoding is Unicode\n01 0x4E02\n");
    EXPECT_EQ(Lookup(1, 0).first, "x4E02");
    EXPECT_TRUE(definitions.Problems().empty());
}

TEST_F(SubfontDefinitionsTest, ExtraCodesOfASubfontAreNotedOnce) {
    std::string text = "The input encoding is Unicode\n";
    for (int line = 0; line < 34; ++line) {
        text += "07 0x4E02 0x4E02 0x4E02 0x4E02 0x4E02 0x4E02 0x4E02 0x4E02\n";
    }
    Read(text);
    ASSERT_EQ(definitions.Problems().size(), 1u);
    EXPECT_EQ(definitions.Problems()[0].line, 34);
    EXPECT_EQ(definitions.Problems()[0].reason,
              "subfont 07 lists more than 256 codes; the rest are passed over");
}

} // namespace
} // namespace glyphsmith
