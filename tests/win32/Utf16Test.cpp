// SPDX-License-Identifier: MIT
#include "Unicode.h"

#include <gtest/gtest.h>

namespace glyphsmith::ui::win32 {
namespace {

TEST(Utf16Test, HanAndCharactersBeyondTheBasicPlaneRoundTrip) {
    EXPECT_EQ(WideFromUtf8("字体 \U0001F600"), L"字体 \xD83D\xDE00");
    EXPECT_EQ(Utf8FromWide(L"字体 \xD83D\xDE00"), "字体 \U0001F600");
}

// 0xFF never starts a UTF-8 sequence; E5 AD lacks its last byte; D800 lacks its partner.
TEST(Utf16Test, InvalidSequencesBecomeReplacementCharacters) {
    EXPECT_EQ(WideFromUtf8("a\377b\345\255"), L"a\uFFFDb\uFFFD");
    EXPECT_EQ(Utf8FromWide(std::wstring{L'a', wchar_t{0xD800}, L'b'}), "a\uFFFDb");
}

} // namespace
} // namespace glyphsmith::ui::win32
