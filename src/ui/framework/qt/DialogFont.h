// SPDX-License-Identifier: MIT
#pragma once

#include "DialogUnits.h"

#include <QFont>

namespace glyphsmith::ui {

// The template's font, or "DejaVu Sans" of the same size where that face is absent.
QFont DialogFont(const char* face, int pointSize);

// The dialog units of a font, with the dialog manager's average character width.
DialogUnits UnitsOf(const QFont& font);

} // namespace glyphsmith::ui
