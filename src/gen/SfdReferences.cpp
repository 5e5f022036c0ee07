// SPDX-License-Identifier: MIT
#include "SfdReferences.h"

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
    std::string digits;
    for (std::uint32_t rest = *value; rest != 0 || digits.size() < 4; rest >>= 4) {
        digits.insert(digits.begin(), kDigits[rest & 0xF]);
    }
    return "x" + digits;
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
