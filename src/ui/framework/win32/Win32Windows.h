// SPDX-License-Identifier: MIT
#pragma once

// <windows.h> as the Win32 side uses it, and the windows behind the framework's handles,
// for the rest of the side and for tests that look at what Win32 shows.

#include "Control.h"

#include <string>
#include <windows.h>

// Dialog::MessageBox would be renamed MessageBoxW in every file that sees both; the side
// calls the wide function by its own name.
#undef MessageBox

namespace glyphsmith::ui {

class Dialog;

HWND WindowOf(const Dialog& dialog);

inline HWND WindowOf(Control control) {
    return static_cast<HWND>(control.Native());
}

// The window of an owner dialog, or none without an owner.
inline HWND OwnerWindow(const Dialog* owner) {
    return owner != nullptr ? WindowOf(*owner) : nullptr;
}

// A window's text, as UTF-16 and as UTF-8.
std::wstring WideWindowText(HWND window);
std::string WindowText(HWND window);

// A message that a dialog sends back to the control it came from, as the dialog framework
// reflects notifications: WM_COMMAND and WM_CTLCOLORSTATIC.
constexpr UINT Reflected(UINT message) {
    return WM_APP + message;
}

} // namespace glyphsmith::ui
