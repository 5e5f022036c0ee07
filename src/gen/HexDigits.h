// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace glyphsmith {

// Looked up rather than asked of the C library, which the inputs' tens of thousands of
// values would each call several times.
inline constexpr auto kHexDigits = [] {
    std::array<bool, 256> digits{};
    for (char c : std::string_view("0123456789abcdefABCDEF")) {
        digits[static_cast<unsigned char>(c)] = true;
    }
    return digits;
}();

inline bool IsHexDigit(char c) {
    return kHexDigits[static_cast<unsigned char>(c)];
}

} // namespace glyphsmith
