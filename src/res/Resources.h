#pragma once

#include <QIcon>
#include <string_view>

namespace glyphsmith::res {

inline constexpr int kAboutMenuStringId = 101;
inline constexpr int kApplicationIconId = 128;

// A string of the string table; empty for an id that it lacks.
std::string_view StringResource(int id);

// An icon with its 32x32 and 16x16 images; a null icon for an id without images.
QIcon IconResource(int id);

} // namespace glyphsmith::res
