// SPDX-License-Identifier: MIT
#include "SfdReferences.h"
#include "SfdValueKind.h"

#include <gtest/gtest.h>
#include <sstream>

namespace glyphsmith {
namespace {

SfdFile FileOf(const std::string& text) {
    std::istringstream in(text);
    return SfdFile::Read(in);
}

TEST(SfdValueKind, TellsNativeCodesFromUnicodeValues) {
    const std::vector<std::pair<std::string, SfdValueKind>> cases = {
        {"01 0xA140_0xA17E 0xA1A1_0xA1FE\n02 0x8140 0xFEFE", SfdValueKind::NativeCodes},
        {"01 0xA140_0xA17E\n02 0xA1A1_0xA240", SfdValueKind::Unicode},
        {"01 0xA140 0xA13F", SfdValueKind::Unicode},
        {"01 0x8040", SfdValueKind::Unicode},
        {"01 0xFF40", SfdValueKind::Unicode},
        {"01 0xA1FF", SfdValueKind::Unicode},
        {"00 0x0000_0x00FF", SfdValueKind::Unicode},
        {"01 0x3000 0x4E02", SfdValueKind::Unicode},
        {"01 0xAC00_0xAC01", SfdValueKind::Unicode},
        {"01 0x4E42 0xFFFE", SfdValueKind::Unicode},
        {"01 0x4E42 0x10FFFF", SfdValueKind::Unicode},
        {"01 0x4E02 0x10FFFE_0x110000", SfdValueKind::NativeCodes},
        {"01 0x8FA1A1", SfdValueKind::NativeCodes},
        {"# no codes\n01\n", SfdValueKind::Unicode},
    };
    for (const auto& [text, kind] : cases) {
        EXPECT_EQ(ValueKindOf(FileOf(text)), kind) << text;
    }
}

TEST(SfdReference, SpellsUnicodeValuesAsRowsName) {
    const std::vector<std::pair<std::optional<std::uint32_t>, CharacterReference>> cases = {
        {std::nullopt, std::nullopt},
        {0x0, "x0000"},
        {0x41, "x0041"},
        {0x4E02, "x4E02"},
        {0xabcd, "xABCD"},
        {0xD7FF, "xD7FF"},
        {0xD800, std::nullopt},
        {0xDFFF, std::nullopt},
        {0xE000, "xE000"},
        {0xFFFE, std::nullopt},
        {0xFFFF, "xFFFF"},
        {0x20000, "x20000"},
        {0x10FFFF, "x10FFFF"},
        {0x110000, std::nullopt},
    };
    for (const auto& [value, reference] : cases) {
        EXPECT_EQ(SfdReference(value), reference) << value.value_or(0);
    }
    EXPECT_EQ(RowText(SfdReference(0x4E02), 3), "'&#x4E02;' ''   3");
    EXPECT_EQ(RowText(SfdReference(0xFFFE), 255), "  ''       '' 255");
}

TEST(SfdReference, RangeSpansThePositionsThatNameACharacter) {
    const std::vector<std::pair<std::string, std::optional<std::pair<int, int>>>> cases = {
        {"01 3: 0xFFFE 0x41 0xFFFE 0x42 0xD800", std::pair(4, 6)},
        {"01 0_255", std::pair(0, 255)},
        {"01 255: 0x4E02", std::pair(255, 255)},
        {"01 0xFFFE 7: 0xDC00", std::nullopt},
        {"01", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        const std::optional<CodeRange> range = CharacterRange(FileOf(text).Subfonts().at(0));
        const auto pair =
            range ? std::optional(std::pair<int, int>(range->first, range->last)) : std::nullopt;
        EXPECT_EQ(pair, expected) << text;
    }
}

} // namespace
} // namespace glyphsmith
