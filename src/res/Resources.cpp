// SPDX-License-Identifier: MIT
#include "Resources.h"

#include <array>
#include <utility>

namespace glyphsmith::res {

namespace {

// The string table. The menu entry reads "TeXht", not "TeX4ht".
constexpr std::array<std::pair<int, std::string_view>, 1> kStrings{{
    {kAboutMenuStringId, "&About Glyphsmith for TeXht..."},
}};

} // namespace

std::string_view StringResource(int id) {
    for (const auto& [stringId, text] : kStrings) {
        if (stringId == id) {
            return text;
        }
    }
    return {};
}

} // namespace glyphsmith::res
