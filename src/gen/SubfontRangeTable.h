// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace glyphsmith {

inline constexpr int kSubfontCount = 94;
inline constexpr int kCodesPerSubfont = 256;

// First and last code of a subfont that carry a character.
struct SubfontRange {
    std::uint8_t first;
    std::uint8_t last;
};

// Indexed by subfont number minus one.
extern const std::array<SubfontRange, kSubfontCount> kSubfontRangeTable;

inline const SubfontRange& RangeOfSubfont(int subfont) {
    return kSubfontRangeTable[subfont - 1];
}

} // namespace glyphsmith
