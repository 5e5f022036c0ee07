// SPDX-License-Identifier: MIT
#pragma once

#include "DialogTemplate.h"

#include <windows.h>

namespace glyphsmith::ui::win32 {

// The window class and style that a template control is created with, besides
// WS_CHILD | WS_VISIBLE, which every control has.
struct ControlClassAndStyle {
    WORD classAtom; // of a class the system predefines: button, edit or static
    DWORD style;
};

ControlClassAndStyle ClassAndStyleOf(const ControlTemplate& control);

} // namespace glyphsmith::ui::win32
