#pragma once

#include "DialogTemplate.h"

#include <QFont>
#include <QRect>

namespace glyphsmith::ui {

// The template's font, or "DejaVu Sans" of the same size where that face is absent.
QFont DialogFont(const char* face, int pointSize);

// Dialog units of a font: a horizontal unit is a quarter of the font's average character
// width, a vertical one an eighth of its height. Pixels are rounded to the nearest, halves
// away from zero, as the dialog manager rounds.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);

    int BaseX() const { return baseX_; }
    int BaseY() const { return baseY_; }
    int X(int units) const;
    int Y(int units) const;
    QRect Map(const DialogRect& rect) const;

  private:
    int baseX_;
    int baseY_;
};

} // namespace glyphsmith::ui
