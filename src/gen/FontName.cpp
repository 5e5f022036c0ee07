// SPDX-License-Identifier: MIT
#include "FontName.h"

namespace glyphsmith {

FontName FontName::OfGbkFamily(std::string_view family) {
    return FontName(std::string("gbk").append(family));
}

} // namespace glyphsmith
