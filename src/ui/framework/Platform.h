// SPDX-License-Identifier: MIT
#pragma once

#include "ColorRef.h"

namespace glyphsmith::ui {

// What each side of the framework asks of its window system.

// The warning sound.
void Beep();
// The system's highlight colour at this moment.
ColorRef HighlightColor();
// Shows the wait cursor over every window of the program, or the usual cursors again.
void ShowWaitCursor(bool shown);

} // namespace glyphsmith::ui
