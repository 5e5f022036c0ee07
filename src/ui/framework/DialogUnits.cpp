// SPDX-License-Identifier: MIT
#include "DialogUnits.h"

#include <cmath>

namespace glyphsmith::ui {

namespace {

// MulDiv of the platform: value * numerator / denominator, rounded half away from zero.
int MulDiv(int value, int numerator, int denominator) {
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

} // namespace

int DialogUnits::X(int units) const {
    return MulDiv(units, baseX_, 4);
}

int DialogUnits::Y(int units) const {
    return MulDiv(units, baseY_, 8);
}

Rect DialogUnits::Map(const DialogRect& rect) const {
    return {X(rect.x), Y(rect.y), X(rect.width), Y(rect.height)};
}

} // namespace glyphsmith::ui
