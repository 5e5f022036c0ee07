// SPDX-License-Identifier: MIT
#include "SfdReferences.h"

#include <array>

namespace glyphsmith {

namespace {

constexpr std::uint32_t kFiller = 0xFFFE;

bool NamesACharacter(std::uint32_t value) {
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    return value != kFiller && !surrogate && value <= 0x10FFFF;
}

} // namespace

CharacterReference SfdReference(std::optional<std::uint32_t> value) {
    if (!value || !NamesACharacter(*value)) {
        return std::nullopt;
    }
    static constexpr char kDigits[] = "0123456789ABCDEF";
    // Filled from its end: "x" and the digits, at least four.
    std::array<char, CharacterReference::kMaxLength> text;
    std::size_t start = text.size();
    for (std::uint32_t rest = *value; rest != 0 || text.size() - start < 4; rest >>= 4) {
        text[--start] = kDigits[rest & 0xF];
    }
    text[--start] = 'x';
    return std::string_view(text.data() + start, text.size() - start);
}

std::optional<CodeRange> CharacterRange(const SfdSubfont& subfont) {
    std::optional<CodeRange> range;
    for (int position = 0; position < SfdSubfont::kPositions; ++position) {
        if (SfdReference(subfont.Value(position))) {
            range = CodeRange{range ? range->first : position, position};
        }
    }
    return range;
}

} // namespace glyphsmith
