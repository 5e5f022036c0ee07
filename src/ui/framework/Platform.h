#pragma once

#include "ColorRef.h"

#include <string>

namespace glyphsmith::ui {

// What each side of the framework asks of its window system.

// The program file's name without its extension; the caption of a message box that
// names none.
std::string ProgramName();
// The warning sound.
void Beep();
// The system's highlight colour at this moment.
ColorRef HighlightColor();
// Shows the wait cursor over every window of the program, or the usual cursors again.
void ShowWaitCursor(bool shown);

} // namespace glyphsmith::ui
