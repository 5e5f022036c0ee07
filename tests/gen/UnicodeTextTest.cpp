// SPDX-License-Identifier: MIT
// Text between UTF-8 and UTF-16, and a copyright.txt that Notepad saved as "Unicode".
#include "CopyrightTemplate.h"
#include "Unicode.h"

#include <gtest/gtest.h>
#include <sstream>

namespace glyphsmith {
namespace {

TEST(UnicodeText, ConvertsBothWaysAndReplacesWhatIsNotValid) {
    const std::u16string valid = u"a\u5B8B\u4F53 Cr\u00E8me \U00020000";
    EXPECT_EQ(Utf16FromUtf8(Utf8FromUtf16(valid)), valid);
    EXPECT_EQ(Utf8FromUtf16(valid), "a\xE5\xAE\x8B\xE4\xBD\x93 Cr\xC3\xA8me \xF0\xA0\x80\x80");

    // Each ill-formed sequence becomes one U+FFFD for its longest valid beginning.
    const std::pair<std::string, std::u16string> fromUtf8[] = {
        {"a\xFF"
         "b",
         u"a\uFFFDb"},                                       // a byte that starts nothing
        {"\xE5\xAD", u"\uFFFD"},                             // a character cut short
        {"\xC0\x80", u"\uFFFD\uFFFD"},                       // an overlong form
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},             // a surrogate
        {"\xF4\x90\x80\x80x", u"\uFFFD\uFFFD\uFFFD\uFFFDx"}, // beyond U+10FFFF
    };
    for (const auto& [utf8, utf16] : fromUtf8) {
        EXPECT_EQ(Utf16FromUtf8(utf8), utf16) << utf8;
    }
    EXPECT_EQ(Utf8FromUtf16(u"a\xD800"
                            u"b\xDC00"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
}

// The template's lines as text, each marked when it stands for the dated comment.
std::vector<std::string> LinesOf(const std::string& bytes) {
    std::istringstream in(bytes);
    std::vector<std::string> lines;
    const CopyrightTemplate copyright = CopyrightTemplate::Parse(in);
    for (const CopyrightTemplate::Line& line : copyright.Lines()) {
        lines.push_back((line.isDatedComment ? "dated: " : "") + line.text);
    }
    return lines;
}

std::string Utf16Bytes(const std::u16string& text, ByteOrder order) {
    std::string bytes;
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += order == ByteOrder::BigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(CopyrightTemplate, Utf16IsReadAsTheTextItHolds) {
    const std::u16string text = u"% \u5B8B\u4F53 gbk.htf\r\nCr\u00E8me \U00020000\n";
    const std::vector<std::string> expected = LinesOf(Utf8FromUtf16(text));
    ASSERT_EQ(expected, (std::vector<std::string>{"dated: % \xE5\xAE\x8B\xE4\xBD\x93 gbk.htf\n",
                                                  "Cr\xC3\xA8me \xF0\xA0\x80\x80\n"}));
    for (const ByteOrder order : {ByteOrder::LittleEndian, ByteOrder::BigEndian}) {
        EXPECT_EQ(LinesOf(Utf16Bytes(u"\uFEFF" + text, order)), expected);
        // A lone surrogate and an odd last byte are replaced, never read past.
        EXPECT_EQ(LinesOf(Utf16Bytes(u"\uFEFFA\xD800\n", order) + "B"),
                  (std::vector<std::string>{"A\xEF\xBF\xBD\n", "\xEF\xBF\xBD\n"}));
    }
    // Without a byte order mark the bytes are kept, even ones that begin like one.
    EXPECT_EQ(LinesOf("\xFF"
                      "A\n\xFE\xFF\n"),
              (std::vector<std::string>{"\xFF"
                                        "A\n",
                                        "\xFE\xFF\n"}));
}

} // namespace
} // namespace glyphsmith
