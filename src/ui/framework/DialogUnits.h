// SPDX-License-Identifier: MIT
#pragma once

#include "DialogTemplate.h"
#include "Geometry.h"

namespace glyphsmith::ui {

// Dialog units of a font: a horizontal unit is a quarter of the font's average character
// width, a vertical one an eighth of its height. Pixels are rounded to the nearest, halves
// away from zero, as the dialog manager rounds.
class DialogUnits {
  public:
    DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

    int BaseX() const { return baseX_; }
    int BaseY() const { return baseY_; }
    int X(int units) const;
    int Y(int units) const;
    Rect Map(const DialogRect& rect) const;

  private:
    int baseX_;
    int baseY_;
};

} // namespace glyphsmith::ui
