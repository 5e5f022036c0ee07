// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace glyphsmith::res {

inline constexpr int kAboutMenuStringId = 101;
inline constexpr int kApplicationIconId = 128;

// A string of the string table; empty for an id that it lacks.
std::string_view StringResource(int id);

} // namespace glyphsmith::res
