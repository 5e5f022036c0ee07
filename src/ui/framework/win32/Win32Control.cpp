// SPDX-License-Identifier: MIT
// The framework's control handles over the dialog manager's controls.
#include "Control.h"
#include "Unicode.h"
#include "Win32Windows.h"

namespace glyphsmith::ui {

std::string Control::Text() const {
    return WindowText(WindowOf(*this));
}

// An edit box's limit holds for typing only: the whole text is shown.
void Control::SetText(std::string_view text) {
    SetWindowTextW(WindowOf(*this), WideFromUtf8(text).c_str());
}

bool Control::Checked() const {
    return SendMessageW(WindowOf(*this), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Control::SetChecked(bool checked) {
    SendMessageW(WindowOf(*this), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Control::LimitText(int maxChars) {
    SendMessageW(WindowOf(*this), EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
}

bool Control::IsEnabled() const {
    return IsWindowEnabled(WindowOf(*this)) != FALSE;
}

// A push button takes the focus as the dialog manager moves it there, which marks it the
// button that Enter presses; any other control as a click gives it, which leaves the
// default button and the text's selection as they are.
void Control::Focus() {
    HWND window = WindowOf(*this);
    if (Kind() == ControlKind::PushButton) {
        SendMessageW(GetParent(window), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window), TRUE);
    } else {
        SetFocus(window);
    }
}

void Control::SelectAll() {
    if (Kind() == ControlKind::Edit) {
        SendMessageW(WindowOf(*this), EM_SETSEL, 0, -1);
    }
}

Rect Control::Geometry() const {
    HWND window = WindowOf(*this);
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void Control::SetGeometry(const Rect& rect) {
    SetWindowPos(WindowOf(*this), nullptr, rect.x, rect.y, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace glyphsmith::ui
