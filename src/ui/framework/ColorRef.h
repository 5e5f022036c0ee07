// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace glyphsmith::ui {

// A colour as the Windows GDI keeps it: 0x00BBGGRR.
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(unsigned red, unsigned green, unsigned blue) {
    return red | green << 8 | blue << 16;
}

} // namespace glyphsmith::ui
