// SPDX-License-Identifier: MIT
// What the user sees of a dialog on Win32, asked of the windows behind the handles as
// the window system would ask them.
#include "Unicode.h"
#include "UserActions.h"
#include "Win32Windows.h"

#include <commctrl.h>
#include <cwchar>

namespace glyphsmith::test {

namespace {

// Comctl32's longest tooltip text, with its terminating NUL.
constexpr std::size_t kTipCapacity = INFOTIPSIZE;

struct TipSearch {
    HWND control;
    std::wstring text;
};

// The text of a tooltip window's tool for the control, if it has one.
std::optional<std::wstring> ToolText(HWND tip, HWND control) {
    const auto tools = static_cast<UINT>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    for (UINT i = 0; i < tools; ++i) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        if (!SendMessageW(tip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool)) ||
            tool.hwnd != control) {
            continue;
        }
        std::wstring text(kTipCapacity, L'\0');
        tool.lpszText = text.data();
        SendMessageW(tip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
        text.resize(std::wcslen(text.c_str()));
        return text;
    }
    return std::nullopt;
}

BOOL CALLBACK FindTip(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<TipSearch*>(context);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (std::wstring_view(className) != TOOLTIPS_CLASSW) {
        return TRUE;
    }
    if (const std::optional<std::wstring> text = ToolText(window, search.control)) {
        search.text = *text;
        return FALSE;
    }
    return TRUE;
}

// A dialog has the first say on the cursor over its controls and would show its own;
// while asked here it claims the message and shows nothing.
LRESULT CALLBACK ShowNoCursor(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
    if (message == WM_SETCURSOR) {
        return TRUE;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

std::string SelectedText(ui::Control edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(ui::WindowOf(edit), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return Utf8FromWide(ui::WideWindowText(ui::WindowOf(edit)).substr(start, end - start));
}

bool IsShown(const ui::Dialog& dialog) {
    HWND window = ui::WindowOf(dialog);
    return window != nullptr && IsWindowVisible(window);
}

std::string Caption(const ui::Dialog& dialog) {
    return ui::WindowText(ui::WindowOf(dialog));
}

ui::Size ClientSize(const ui::Dialog& dialog) {
    RECT client{};
    GetClientRect(ui::WindowOf(dialog), &client);
    return {client.right, client.bottom};
}

// A label without a font of its own shows the system's.
bool Underlined(ui::Control label) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(ui::WindowOf(label), WM_GETFONT, 0, 0));
    if (font == nullptr) {
        font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    }
    LOGFONTW description{};
    GetObjectW(font, sizeof description, &description);
    return description.lfUnderline != FALSE;
}

// The tooltip windows of the program are asked which one has a tool for the label.
std::string ToolTip(ui::Control label) {
    TipSearch search{ui::WindowOf(label), {}};
    EnumThreadWindows(GetCurrentThreadId(), FindTip, reinterpret_cast<LPARAM>(&search));
    return Utf8FromWide(search.text);
}

// The cursor that the label sets when the window system asks over its client area; one
// that it leaves to its dialog leaves the cursor as it was.
std::optional<ui::Cursor> CursorShown(ui::Control label) {
    HWND window = ui::WindowOf(label);
    HWND dialog = GetParent(window);
    const HCURSOR before = LoadCursorW(nullptr, IDC_WAIT);
    SetCursor(before);
    SetWindowSubclass(dialog, ShowNoCursor, 0, 0);
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    RemoveWindowSubclass(dialog, ShowNoCursor, 0);
    const HCURSOR shown = GetCursor();
    if (shown == LoadCursorW(nullptr, IDC_HAND)) {
        return ui::Cursor::PointingHand;
    }
    if (shown == LoadCursorW(nullptr, IDC_ARROW)) {
        return ui::Cursor::Arrow;
    }
    return std::nullopt;
}

} // namespace glyphsmith::test
