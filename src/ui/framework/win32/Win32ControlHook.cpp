// SPDX-License-Identifier: MIT
// Taking over a label on Win32: a window subclass reports its events and the clicks and
// colour requests that its dialog reflects back to it; its font, tooltip and cursor show
// what the object decides.
#include "SubclassedControl.h"
#include "Unicode.h"
#include "Win32Windows.h"

#include <commctrl.h>

namespace glyphsmith::ui {

namespace {

constexpr UINT_PTR kToolId = 1;

class Win32ControlHook final : public ControlHook {
  public:
    Win32ControlHook(HWND label, SubclassedControl& object);
    ~Win32ControlHook() override;
    Win32ControlHook(const Win32ControlHook&) = delete;
    Win32ControlHook& operator=(const Win32ControlHook&) = delete;

    bool Alive() const override { return label_ != nullptr; }
    Size TextExtent() const override;
    void SetUnderline(bool underline) override;
    void SetToolTip(const std::string& text) override;
    void SetCursor(std::optional<Cursor> cursor) override { cursor_ = cursor; }
    void Repaint(bool now) override;

  private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPointerMove(LPARAM position);
    LRESULT OnCtlColor(HDC context);
    bool OnSetCursor();
    HFONT Font() const;
    TOOLINFOW Tool() const;

    HWND label_;
    SubclassedControl& object_;
    HFONT dialogFont_;
    HFONT linkFont_ = nullptr;
    HWND tip_ = nullptr;
    std::optional<Cursor> cursor_;
    bool trackingLeave_ = false;
};

// A static control sends clicks, and takes the pointer rather than passing it to the
// dialog, only with SS_NOTIFY. The tooltip watches the label's pointer messages itself.
Win32ControlHook::Win32ControlHook(HWND label, SubclassedControl& object)
    : label_(label), object_(object), dialogFont_(Font()) {
    SetWindowLongPtrW(label, GWL_STYLE, GetWindowLongPtrW(label, GWL_STYLE) | SS_NOTIFY);
    SetWindowSubclass(label, SubclassProc, reinterpret_cast<UINT_PTR>(this),
                      reinterpret_cast<DWORD_PTR>(this));
    tip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           GetParent(label), nullptr, GetModuleHandleW(nullptr), nullptr);
    TOOLINFOW tool = Tool();
    tool.uFlags = TTF_SUBCLASS;
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// The label gets its dialog's font back before the link font goes.
Win32ControlHook::~Win32ControlHook() {
    if (label_ != nullptr) {
        RemoveWindowSubclass(label_, SubclassProc, reinterpret_cast<UINT_PTR>(this));
        if (linkFont_ != nullptr) {
            SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont_), TRUE);
        }
        DestroyWindow(tip_);
    }
    if (linkFont_ != nullptr) {
        DeleteObject(linkFont_);
    }
}

LRESULT CALLBACK Win32ControlHook::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto& hook = *reinterpret_cast<Win32ControlHook*>(self);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, SubclassProc, self);
        hook.label_ = nullptr; // the tooltip goes with the dialog that owns it
    } else if (const std::optional<LRESULT> handled = hook.OnMessage(message, wParam, lParam)) {
        return *handled;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Nothing for a message that gets the label's own processing.
std::optional<LRESULT> Win32ControlHook::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE: {
        const LRESULT result = DefSubclassProc(label_, message, wParam, lParam);
        OnPointerMove(lParam);
        return result;
    }
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        object_.OnPointerLeave();
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor()) {
            return TRUE;
        }
        return std::nullopt;
    case Reflected(WM_COMMAND):
        object_.OnClicked();
        return 0;
    case Reflected(WM_CTLCOLORSTATIC):
        return OnCtlColor(reinterpret_cast<HDC>(wParam));
    default:
        return std::nullopt;
    }
}

// The window system tells once when the pointer leaves, if asked at every entry.
void Win32ControlHook::OnPointerMove(LPARAM position) {
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, label_, 0};
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
    }
    object_.OnPointerMove(
        {static_cast<SHORT>(LOWORD(position)), static_cast<SHORT>(HIWORD(position))});
}

// The text in the object's colour over whatever lies beneath the label.
LRESULT Win32ControlHook::OnCtlColor(HDC context) {
    const std::optional<ColorRef> color = object_.CtlColor();
    if (!color) {
        return 0;
    }
    SetTextColor(context, *color);
    SetBkMode(context, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

bool Win32ControlHook::OnSetCursor() {
    if (!cursor_) {
        return false;
    }
    ::SetCursor(LoadCursorW(nullptr, *cursor_ == Cursor::PointingHand ? IDC_HAND : IDC_ARROW));
    return true;
}

// A label without a font of its own shows the system's.
HFONT Win32ControlHook::Font() const {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(label_, WM_GETFONT, 0, 0));
    return font != nullptr ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

Size Win32ControlHook::TextExtent() const {
    const std::wstring text = WideWindowText(label_);
    HDC context = GetDC(label_);
    const HGDIOBJ previous = SelectObject(context, Font());
    SIZE extent{};
    GetTextExtentPoint32W(context, text.data(), static_cast<int>(text.size()), &extent);
    SelectObject(context, previous);
    ReleaseDC(label_, context);
    return {extent.cx, extent.cy};
}

// The link font is the label's font with the underline as asked, owned by the hook.
void Win32ControlHook::SetUnderline(bool underline) {
    LOGFONTW description{};
    GetObjectW(Font(), sizeof description, &description);
    description.lfUnderline = underline ? TRUE : FALSE;
    const HFONT made = CreateFontIndirectW(&description);
    SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
    if (linkFont_ != nullptr) {
        DeleteObject(linkFont_);
    }
    linkFont_ = made;
}

// The tool is the label's client area, which fitting the label may have changed.
void Win32ControlHook::SetToolTip(const std::string& text) {
    std::wstring wide = WideFromUtf8(text);
    TOOLINFOW tool = Tool();
    tool.lpszText = wide.data();
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

TOOLINFOW Win32ControlHook::Tool() const {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = label_;
    tool.uId = kToolId;
    GetClientRect(label_, &tool.rect);
    return tool;
}

// The label is drawn over a hollow brush, so its dialog erases the place beneath it first.
void Win32ControlHook::Repaint(bool now) {
    HWND dialog = GetParent(label_);
    RECT place{};
    GetWindowRect(label_, &place);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&place), 2);
    const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN;
    RedrawWindow(dialog, &place, nullptr, now ? flags | RDW_UPDATENOW | RDW_ERASENOW : flags);
}

} // namespace

std::unique_ptr<ControlHook> HookControl(Control control, SubclassedControl& object) {
    return std::make_unique<Win32ControlHook>(WindowOf(control), object);
}

} // namespace glyphsmith::ui
