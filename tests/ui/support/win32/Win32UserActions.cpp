// SPDX-License-Identifier: MIT
// The driver on Win32: input messages handed to the dialogs as their modal loop hands them
// over, so that the dialog manager's keyboard interface and the controls' own handling run
// as they do for a user. The pointer is put where a user's would be, since the window
// system tracks it there.
#include "DialogWindow.h"
#include "Unicode.h"
#include "UserActions.h"
#include "Win32Windows.h"

#include <gtest/gtest.h>

namespace glyphsmith::test {

namespace {

constexpr std::chrono::milliseconds kPointerLeaveLimit(3000);

bool IsDialogWindow(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return std::wstring_view(className) == L"#32770";
}

// As a modal loop: a dialog's keyboard interface first, then the window's procedure.
void Dispatch(MSG& message) {
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root == nullptr || !IsDialogWindow(root) || !IsDialogMessageW(root, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void DispatchPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        Dispatch(message);
    }
}

// An input message for a window, and whatever it leads to.
void Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG input{window, message, wParam, lParam, GetTickCount(), {}};
    GetCursorPos(&input.pt);
    Dispatch(input);
    DispatchPending();
}

POINT MiddleOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right / 2, client.bottom / 2};
}

LPARAM PointParameter(POINT point) {
    return MAKELPARAM(point.x, point.y);
}

// The pointer at a point of a window; the window gets the move even where the display
// reports none.
void MovePointer(HWND window, POINT point) {
    POINT screen = point;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    Deliver(window, WM_MOUSEMOVE, 0, PointParameter(point));
}

// Whether some window still waits to be told that the pointer left it.
bool PointerLeaveTracked() {
    TRACKMOUSEEVENT query{sizeof(TRACKMOUSEEVENT), TME_QUERY, nullptr, 0};
    TrackMouseEvent(&query);
    return (query.dwFlags & TME_LEAVE) != 0 && query.hwndTrack != nullptr;
}

UINT VirtualKey(Key key) {
    switch (key) {
    case Key::Enter:
    case Key::KeypadEnter:
        return VK_RETURN;
    case Key::Escape:
        return VK_ESCAPE;
    case Key::Tab:
        return VK_TAB;
    case Key::Backspace:
        return VK_BACK;
    case Key::End:
        return VK_END;
    }
    return 0;
}

// Down and up, as the keyboard sends them; the characters that a key makes follow from
// the translation of the key down.
void PressOn(HWND window, Key key) {
    const UINT virtualKey = VirtualKey(key);
    LPARAM keyData = 1 | static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    if (key == Key::KeypadEnter) {
        keyData |= 1 << 24; // the extended key
    }
    Deliver(window, WM_KEYDOWN, virtualKey, keyData);
    Deliver(window, WM_KEYUP, virtualKey, keyData | 0xC0000000);
}

// The focus as a user gives it: a click after the text of an edit box, so that typing
// goes on at its end; a push button, even one clicked before, as the Tab key gives it, so
// that Enter presses it.
void FocusForKeys(ui::Control control) {
    HWND window = ui::WindowOf(control);
    const bool focused = GetFocus() == window;
    if (!focused || control.Kind() == ui::ControlKind::PushButton) {
        control.Focus();
    }
    if (!focused && control.Kind() == ui::ControlKind::Edit) {
        const int end = GetWindowTextLengthW(window);
        SendMessageW(window, EM_SETSEL, end, end);
    }
    DispatchPending();
}

// The window system's own loops for moving, sizing and the menus wait for a user.
bool StartsASystemLoop(unsigned command) {
    switch (command & 0xFFF0) {
    case SC_MOVE:
    case SC_SIZE:
    case SC_KEYMENU:
    case SC_MOUSEMENU:
        return true;
    default:
        return false;
    }
}

} // namespace

void ShowWithoutModalLoop(ui::Dialog& dialog) {
    HWND window = ui::WindowOf(dialog);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    DispatchPending();
}

// A disabled control takes no clicks.
void Click(ui::Control control) {
    HWND window = ui::WindowOf(control);
    if (!IsWindowEnabled(window)) {
        return;
    }
    const LPARAM middle = PointParameter(MiddleOf(window));
    Deliver(window, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    Deliver(window, WM_LBUTTONUP, 0, middle);
}

void RightClick(ui::Control control) {
    HWND window = ui::WindowOf(control);
    const LPARAM middle = PointParameter(MiddleOf(window));
    Deliver(window, WM_RBUTTONDOWN, MK_RBUTTON, middle);
    Deliver(window, WM_RBUTTONUP, 0, middle);
}

// Each UTF-16 unit as the character that a keyboard or an input method sends.
void Type(ui::Control control, std::string_view text) {
    FocusForKeys(control);
    for (const wchar_t unit : WideFromUtf8(text)) {
        Deliver(ui::WindowOf(control), WM_CHAR, unit, 1);
    }
}

void Press(ui::Control control, Key key) {
    FocusForKeys(control);
    PressOn(ui::WindowOf(control), key);
}

void Press(ui::Dialog& dialog, Key key) {
    HWND window = ui::WindowOf(dialog);
    HWND focused = GetFocus();
    PressOn(focused != nullptr && IsChild(window, focused) ? focused : window, key);
}

// The close box sends the Close command, as the system menu's Close does.
void CloseBox(ui::Dialog& dialog) {
    SystemCommand(dialog, SC_CLOSE);
}

void SystemCommand(ui::Dialog& dialog, unsigned command) {
    if (StartsASystemLoop(command)) {
        ADD_FAILURE() << "system command " << command << " would wait for a user";
        return;
    }
    SendMessageW(ui::WindowOf(dialog), WM_SYSCOMMAND, command, 0);
    DispatchPending();
}

void MovePointerOver(ui::Control control) {
    HWND window = ui::WindowOf(control);
    MovePointer(window, MiddleOf(window));
}

// The window system tells a control that the pointer left it at its next look at the
// pointer, which comes with a timer.
void MovePointerAway(ui::Dialog& dialog) {
    HWND window = ui::WindowOf(dialog);
    RECT client{};
    GetClientRect(window, &client);
    MovePointer(window, {client.right - 2, client.bottom - 2});
    if (!ProcessEventsUntil([] { return !PointerLeaveTracked(); }, kPointerLeaveLimit)) {
        ADD_FAILURE() << "the window system did not tell that the pointer left";
    }
    DispatchPending();
}

ui::Control FocusedControl(const ui::Dialog& dialog) {
    HWND focused = GetFocus();
    for (const ui::Control& control : dialog.Window().Controls()) {
        if (ui::WindowOf(control) == focused) {
            return control;
        }
    }
    return {};
}

// As the dialog manager asks a button. The dialog's default id alone would not tell: it is
// IDOK also where no button is marked the default one.
bool IsDefaultButton(ui::Control control) {
    const LRESULT code = SendMessageW(ui::WindowOf(control), WM_GETDLGCODE, 0, 0);
    return control.Kind() == ui::ControlKind::PushButton && (code & DLGC_DEFPUSHBUTTON) != 0;
}

bool ProcessEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        DispatchPending();
    }
    return true;
}

} // namespace glyphsmith::test
