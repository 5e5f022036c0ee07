// SPDX-License-Identifier: MIT
#include "CopyrightTemplate.h"
#include "HtfWriter.h"
#include "RunTexts.h"
#include "SubfontRangeTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <sstream>

namespace glyphsmith::test {
namespace {

CopyrightTemplate TemplateOf(const std::string& text) {
    std::istringstream in(text);
    return CopyrightTemplate::Parse(in);
}

// Writes one file whose codes all carry the character U+4E00 + code.
std::string WrittenFile(const HtfFileSpec& file, const std::string& copyright) {
    std::ostringstream out;
    WriteHtfFile(
        out, file, TemplateOf(copyright), [] { return kDate; },
        [](int code, bool) { return CharacterReference("x" + Hex4(SampleValue(1, code))); });
    return out.str();
}

std::string Row(int code, const std::string& end = "\n") {
    return HtfRow(code, SampleValue(1, code), end);
}

std::string Rows(int first, int last) {
    return HtfRows(1, first, last);
}

TEST(HtfLayout, RowFormsAreSeventeenCharacters) {
    EXPECT_EQ(RowText(std::string("x4E02"), 0), "'&#x4E02;' ''   0");
    EXPECT_EQ(RowText(std::string("x4e02"), 255), "'&#x4e02;' '' 255");
    EXPECT_EQ(RowText(std::nullopt, 37), "  ''       ''  37");
}

// Every row of a file may hold the longest reference that a run gives.
TEST(HtfLayout, RowsTakeReferencesUpToTheLongest) {
    for (const int value : {0x4E02, 0x20000, 0x10FFFF}) {
        const std::string reference = "x" + Hex4(value);
        EXPECT_EQ(RowText(reference, 7), HtfRow(7, value, "")) << reference;
        std::string rows;
        for (int code = 0; code <= 255; ++code) {
            rows += HtfRow(code, value);
        }
        EXPECT_EQ(FormRows({0, 255}, [&](int, bool) { return CharacterReference(reference); }),
                  rows)
            << reference;
    }
    EXPECT_THROW(CharacterReference("x10FFFF0"), std::length_error);
}

TEST(HtfLayout, DiscardedBlanksLimitHeaderAndRows) {
    EXPECT_EQ(WrittenFile(GbkHtfFile(FontName("gbksong"), 94, true), ""),
              "gbksong94 0 37\n" + Rows(0, 37) + "gbksong94 0 37\n");
    EXPECT_EQ(WrittenFile(GbkHtfFile(FontName("gbksong"), 27, true), ""),
              "gbksong27 90 172\n" + Rows(90, 172) + "gbksong27 90 172\n");
    EXPECT_EQ(WrittenFile(GbkHtfFile(FontName("gbksong"), 1, true), ""),
              "gbksong01 0 255\n" + Rows(0, 255) + "gbksong01 0 255\n");
}

TEST(HtfLayout, KeptBlanksGiveAll256Rows) {
    EXPECT_EQ(WrittenFile(GbkHtfFile(FontName("gbkhei"), 27, false), ""),
              "gbkhei27 0 255\n" + Rows(0, 255) + "gbkhei27 0 255\n");
}

TEST(HtfLayout, TemplateLinesAreMergedInTurnWithTheDatedComment) {
    const std::string text =
        WrittenFile(GbkHtfFile(FontName("gbksong"), 94, true), " % one\n % file.htf\n % three\n");
    EXPECT_EQ(text, "gbksong94 0 37\n" + Row(0, " % one\n") +
                        Row(1, " % gbksong94.htf (unicode)      2005-05-18 %\n") +
                        Row(2, " % three\n") + Rows(3, 37) + "gbksong94 0 37\n");
}

// Generator 1 merges a subfont's rows with the template once for all its fonts; each
// file still gets its own dated comments, wherever the template puts them.
TEST(HtfLayout, OneMergingServesManyFonts) {
    const std::string rows = Row(0, "") + "\n" + Row(1, "") + "\n" + Row(2, "") + "\n";
    const struct {
        std::string copyright;
        std::vector<std::string> ends; // of the three rows, "@" for the dated comment
    } cases[] = {
        {"a.htf\nB\nc.htf\n", {"@", "B\n", "@"}},
        {"A\nB\nC\nd.htf\n", {"A\n", "B\n", "C\n"}}, // beyond the rows
        {"", {"\n", "\n", "\n"}},
    };
    for (const auto& [copyright, ends] : cases) {
        const MergedRows merged = MergeTemplate(rows, TemplateOf(copyright));
        for (const char* stem : {"gbksong", "gbkzzkai"}) {
            const HtfFileSpec file{FontName(stem), "94", {0, 2}};
            const std::string dated = DatedComment(file.font.File("94"), kDate);
            std::string expected = std::string(stem) + "94 0 2\n";
            for (int code = 0; code <= 2; ++code) {
                expected += Row(code, ends[code] == "@" ? dated : ends[code]);
            }
            expected += std::string(stem) + "94 0 2\n";
            std::ostringstream out;
            WriteMergedHtfFile(out, file, kDate, merged);
            EXPECT_EQ(out.str(), expected) << copyright << stem;
        }
    }
}

TEST(HtfLayout, EveryFileStartsTheTemplateAgain) {
    const CopyrightTemplate copyright = TemplateOf("first\n");
    for (int subfont : {1, 2}) {
        std::ostringstream out;
        WriteHtfFile(
            out, GbkHtfFile(FontName("gbkkai"), subfont, true), copyright, [] { return kDate; },
            [](int, bool) { return CharacterReference(); });
        EXPECT_NE(out.str().find("''   0first\n"), std::string::npos) << subfont;
    }
}

TEST(HtfLayout, LeftOutRowsUseNoTemplateLine) {
    const std::string text = WrittenFile(GbkHtfFile(FontName("gbksong"), 27, true), "A\nB\n");
    EXPECT_EQ(text, "gbksong27 90 172\n" + Row(90, "A\n") + Row(91, "B\n") + Rows(92, 172) +
                        "gbksong27 90 172\n");
}

TEST(HtfLayout, ATemplateLongerThanTheRowsEndsWithTheLastRow) {
    const HtfFileSpec twoRows{FontName("gbksong"), "94", {5, 6}};
    const std::string header = "gbksong94 5 6\n";
    EXPECT_EQ(WrittenFile(twoRows, "A\nB\n"), header + Row(5, "A\n") + Row(6, "B\n") + header);
    EXPECT_EQ(WrittenFile(twoRows, "A\nB\nC\n"), header + Row(5, "A\n") + Row(6, "B\n") + header);
}

TEST(HtfLayout, BlankTemplateLineEndsItsRowBare) {
    // ".htf" in line 1, a blank line 2, nothing more.
    const std::string text = WrittenFile(GbkHtfFile(FontName("gbksong"), 1, false), "x.htf\n\n");
    const std::string expected = "gbksong01 0 255\n" +
                                 Row(0, " % gbksong01.htf (unicode)      2005-05-18 %\n") + Row(1) +
                                 Row(2);
    EXPECT_EQ(text.substr(0, expected.size()), expected);
}

TEST(HtfLayout, TemplateLastLineWithoutLineEndStillEndsItsRow) {
    EXPECT_EQ(WrittenFile(GbkHtfFile(FontName("gbksong"), 94, true), "A\r\nB"),
              "gbksong94 0 37\n" + Row(0, "A\n") + Row(1, "B\n") + Rows(2, 37) +
                  "gbksong94 0 37\n");
}

TEST(HtfLayout, AByteOrderMarkIsLeftOutAtTheTemplateStartOnly) {
    const std::string mark = "\xEF\xBB\xBF";
    EXPECT_EQ(WrittenFile(GbkHtfFile(FontName("gbksong"), 94, true), mark + "A\n" + mark + "B\n"),
              "gbksong94 0 37\n" + Row(0, "A\n") + Row(1, mark + "B\n") + Rows(2, 37) +
                  "gbksong94 0 37\n");
}

// Every code 0 to 255 is asked for once, in order, whatever the range.
TEST(HtfLayout, RangesBeyondTheCodesAskForEachCodeOnce) {
    for (const CodeRange range : {CodeRange{300, 400}, CodeRange{256, 255}, CodeRange{-5, 300}}) {
        int asked = 0;
        int written = 0;
        const std::string rows = FormRows(range, [&](int code, bool rowWritten) {
            EXPECT_EQ(code, asked++);
            written += rowWritten ? 1 : 0;
            return CharacterReference();
        });
        EXPECT_EQ(asked, 256) << range.first;
        EXPECT_EQ(rows.size(), static_cast<std::size_t>(written) * RowText(std::nullopt, 0).size() +
                                   static_cast<std::size_t>(written));
    }
}

TEST(HtfLayout, CodesAreAskedForEvenWhenTheirRowsAreLeftOut) {
    std::vector<std::pair<int, bool>> asked;
    std::ostringstream out;
    WriteHtfFile(
        out, GbkHtfFile(FontName("gbksong"), 27, true), TemplateOf(""), [] { return kDate; },
        [&](int code, bool written) {
            asked.emplace_back(code, written);
            return CharacterReference();
        });
    ASSERT_EQ(asked.size(), 256u);
    EXPECT_EQ(asked[89], std::make_pair(89, false));
    EXPECT_EQ(asked[90], std::make_pair(90, true));
    EXPECT_EQ(asked[172], std::make_pair(172, true));
    EXPECT_EQ(asked[173], std::make_pair(173, false));
}

TEST(DatedComment, YearWidthFollowsTheFontNameLength) {
    // 4-byte family name plus "gbk": width 10, six blanks before the year.
    EXPECT_EQ(DatedComment("gbksong01.htf", kDate),
              " % gbksong01.htf (unicode)      2005-05-18 %\n");
    // A longer subfont name takes its bytes from the width: the year ends in one column.
    EXPECT_EQ(DatedComment("unisong0100.htf", kDate),
              " % unisong0100.htf (unicode)    2005-05-18 %\n");
    // Up to 13 bytes the line has 44 characters; 13 bytes leave no blank.
    const std::string thirteen = DatedComment("gbkabcdefghij07.htf", kDate);
    EXPECT_EQ(thirteen, " % gbkabcdefghij07.htf (unicode)2005-05-18 %\n");
    EXPECT_EQ(thirteen.size(), 45u);
    EXPECT_EQ(DatedComment("gbkabcdefghijk07.htf", kDate),
              " % gbkabcdefghijk07.htf (unicode)2005-05-18 %\n");
    // 21 bytes: width -4, the year alone; 22 bytes: width -5, one blank after it.
    EXPECT_EQ(DatedComment("gbkabcdefghijklmnopqr94.htf", kDate),
              " % gbkabcdefghijklmnopqr94.htf (unicode)2005-05-18 %\n");
    EXPECT_EQ(DatedComment("gbkabcdefghijklmnopqrs94.htf", {2026, 12, 7}),
              " % gbkabcdefghijklmnopqrs94.htf (unicode)2026 -12-07 %\n");
}

TEST(FontName, NamesSubfontsByNumberOrByName) {
    const FontName song = FontName::OfGbkFamily("song");
    EXPECT_EQ(song.Stem(), "gbksong");
    EXPECT_EQ(song.Subfont(7), "gbksong07");
    EXPECT_EQ(song.PathIn("enc", 94, ".enc"), Native("enc/gbksong/gbksong94.enc"));
    EXPECT_EQ(FontName("unisong").Subfont("4e"), "unisong4e");
}

TEST(SubfontRanges, TableHoldsTheFourteenShortSubfonts) {
    int shortSubfonts = 0;
    for (int subfont = 1; subfont <= kSubfontCount; ++subfont) {
        const SubfontRange range = RangeOfSubfont(subfont);
        shortSubfonts += range.first != 0 || range.last != 255;
    }
    EXPECT_EQ(shortSubfonts, 14);
    EXPECT_EQ(RangeOfSubfont(92).first, 74);
    EXPECT_EQ(RangeOfSubfont(92).last, 169);
}

TEST(SeriesSuffix, OnlyTheLastSubfontEndsBare) {
    EXPECT_EQ(SeriesSuffix(PlaceOfSubfont(1)), "Go to the next file!\n");
    EXPECT_EQ(SeriesSuffix(PlaceOfSubfont(93)), "Go to the next file!\n");
    EXPECT_EQ(SeriesSuffix(PlaceOfSubfont(94)), "\n");
}

} // namespace
} // namespace glyphsmith::test
