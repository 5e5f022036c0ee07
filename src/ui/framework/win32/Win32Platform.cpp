// SPDX-License-Identifier: MIT
#include "Platform.h"
#include "Win32Windows.h"

namespace glyphsmith::ui {

namespace {

// The cursor that the wait cursor took the place of.
HCURSOR cursorBeforeWait = nullptr;

} // namespace

void Beep() {
    MessageBeep(MB_ICONEXCLAMATION);
}

ColorRef HighlightColor() {
    return GetSysColor(COLOR_HIGHLIGHT);
}

// The run that wants it takes no messages, so nothing sets another cursor meanwhile.
void ShowWaitCursor(bool shown) {
    if (shown) {
        cursorBeforeWait = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    } else {
        SetCursor(cursorBeforeWait);
    }
}

} // namespace glyphsmith::ui
