// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace glyphsmith::ui {

// The length of a UTF-8 text as an edit box counts it, in UTF-16 code units: a character
// beyond the Basic Multilingual Plane counts twice.
std::size_t EditLength(std::string_view utf8);

} // namespace glyphsmith::ui
