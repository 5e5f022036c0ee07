// SPDX-License-Identifier: MIT
#include "TextLength.h"

namespace glyphsmith::ui {

std::size_t EditLength(std::string_view utf8) {
    std::size_t units = 0;
    for (const char byte : utf8) {
        const auto value = static_cast<unsigned char>(byte);
        if ((value & 0xC0) == 0x80) {
            continue; // a continuation byte belongs to the character before it
        }
        units += value >= 0xF0 ? 2 : 1;
    }
    return units;
}

} // namespace glyphsmith::ui
