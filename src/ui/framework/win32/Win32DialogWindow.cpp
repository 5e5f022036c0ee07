// SPDX-License-Identifier: MIT
#include "Win32DialogWindow.h"

#include "Dialog.h"
#include "InMemoryDialogTemplate.h"
#include "Unicode.h"

#include <algorithm>

namespace glyphsmith::ui {

namespace {

// The dialog manager puts a new window at 0, 0: it stands in the middle of its owner, or
// of the screen for a window without one, and inside the screen's work area either way.
void PlaceWindow(HWND window, HWND owner) {
    RECT workArea;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT area = workArea;
    if (owner != nullptr) {
        GetWindowRect(owner, &area);
    }
    RECT rect;
    GetWindowRect(window, &rect);
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    const LONG x = area.left + (area.right - area.left - width) / 2;
    const LONG y = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(window, nullptr,
                 std::clamp(x, workArea.left, std::max(workArea.left, workArea.right - width)),
                 std::clamp(y, workArea.top, std::max(workArea.top, workArea.bottom - height)), 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

std::unique_ptr<DialogWindow>
CreateDialogWindow(Dialog& dialog, const DialogTemplate& dialogTemplate, Dialog* parent) {
    return std::make_unique<Win32DialogWindow>(dialog, dialogTemplate, OwnerWindow(parent));
}

HWND WindowOf(const Dialog& dialog) {
    return static_cast<Win32DialogWindow&>(dialog.Window()).Handle();
}

Win32DialogWindow::Win32DialogWindow(Dialog& dialog, const DialogTemplate& dialogTemplate,
                                     HWND owner)
    : dialog_(dialog) {
    const win32::InMemoryDialogTemplate memory(dialogTemplate);
    window_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), memory.Get(), owner, DialogProc,
                                         reinterpret_cast<LPARAM>(this));
    if (window_ != nullptr) {
        CollectControls(dialogTemplate);
        PlaceWindow(window_, owner);
    }
}

// The window stops reporting first: the Dialog that it would report to is being destroyed.
Win32DialogWindow::~Win32DialogWindow() {
    if (window_ != nullptr) {
        EnableOwner();
        SetWindowLongPtrW(window_, DWLP_USER, 0);
        DestroyWindow(window_);
    }
}

// The controls are the dialog's children in creation order, which is template order.
void Win32DialogWindow::CollectControls(const DialogTemplate& dialogTemplate) {
    HWND child = GetWindow(window_, GW_CHILD);
    for (const ControlTemplate& control : dialogTemplate.controls) {
        if (child == nullptr) {
            break;
        }
        controls_.emplace_back(dialog_, child, control);
        child = GetWindow(child, GW_HWNDNEXT);
    }
}

INT_PTR CALLBACK Win32DialogWindow::DialogProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<Win32DialogWindow*>(lParam)->window_ = window;
        return FALSE; // the Dialog gives the focus itself
    }
    auto* self = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        self->window_ = nullptr;
        return FALSE;
    }
    return self->OnMessage(message, wParam, lParam);
}

// Whatever is not handled here gets the dialog manager's default processing.
INT_PTR Win32DialogWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(wParam, reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_CLOSE:
        dialog_.DispatchCommand(IDCANCEL);
        return TRUE;
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam, lParam);
    case WM_CTLCOLORSTATIC:
        // A label that an object took over answers with its brush; any other gets none,
        // and so the default colours.
        return static_cast<INT_PTR>(
            SendMessageW(reinterpret_cast<HWND>(lParam), Reflected(message), wParam, lParam));
    default:
        return FALSE;
    }
}

// A click on a label goes back to the label; a click on a button, and IDOK or IDCANCEL
// from the keyboard, is the dialog's command. STN_CLICKED and BN_CLICKED are both 0.
void Win32DialogWindow::OnCommand(WPARAM wParam, HWND sender) {
    if (HIWORD(wParam) != BN_CLICKED) {
        return;
    }
    const auto control = std::find_if(controls_.begin(), controls_.end(),
                                      [&](const Control& c) { return WindowOf(c) == sender; });
    if (control != controls_.end() && control->Kind() == ControlKind::Label) {
        SendMessageW(sender, Reflected(WM_COMMAND), wParam, reinterpret_cast<LPARAM>(sender));
    } else {
        dialog_.DispatchCommand(static_cast<SHORT>(LOWORD(wParam)));
    }
}

// The command that DefaultSysCommand passes on comes back here once, from the dialog
// manager, which then gives it the window's default processing.
INT_PTR Win32DialogWindow::OnSysCommand(WPARAM command, LPARAM position) {
    if (passingOn_) {
        passingOn_ = false;
        return FALSE;
    }
    sysCommandPosition_ = position;
    dialog_.DispatchSysCommand(static_cast<unsigned>(command));
    return TRUE;
}

void Win32DialogWindow::DefaultSysCommand(unsigned command) {
    passingOn_ = true;
    DefDlgProcW(window_, WM_SYSCOMMAND, command, sysCommandPosition_);
    passingOn_ = false;
}

// A dialog ended before its loop began is never shown.
int Win32DialogWindow::RunModalLoop() {
    if (!ended_) {
        DisableOwner();
        ShowWindow(window_, SW_SHOW);
        PumpUntilEnded();
    }
    ended_ = false;
    return result_;
}

// As the dialog manager's own loop: the dialog's keyboard interface first, then the
// window's procedure. A quit request ends the dialog and stays for the loop outside.
void Win32DialogWindow::PumpUntilEnded() {
    MSG message;
    while (!ended_ && window_ != nullptr) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam));
            }
            dialog_.EndDialog(IDCANCEL);
            break;
        }
        if (!IsDialogMessageW(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// The owner is enabled before the window hides, so that it takes the activation back.
void Win32DialogWindow::End(int result) {
    result_ = result;
    ended_ = true;
    EnableOwner();
    ShowWindow(window_, SW_HIDE);
}

void Win32DialogWindow::DisableOwner() {
    HWND owner = GetWindow(window_, GW_OWNER);
    ownerDisabled_ = owner != nullptr && IsWindowEnabled(owner);
    if (ownerDisabled_) {
        EnableWindow(owner, FALSE);
    }
}

void Win32DialogWindow::EnableOwner() {
    if (ownerDisabled_) {
        EnableWindow(GetWindow(window_, GW_OWNER), TRUE);
        ownerDisabled_ = false;
    }
}

// The shared images of the resource, at the system's sizes for both icons; shared images
// are never destroyed.
void Win32DialogWindow::SetIcon(int iconId) {
    const struct {
        WPARAM kind;
        int widthMetric;
        int heightMetric;
    } icons[] = {{ICON_BIG, SM_CXICON, SM_CYICON}, {ICON_SMALL, SM_CXSMICON, SM_CYSMICON}};
    for (const auto& icon : icons) {
        const HANDLE image = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId),
                                        IMAGE_ICON, GetSystemMetrics(icon.widthMetric),
                                        GetSystemMetrics(icon.heightMetric), LR_SHARED);
        SendMessageW(window_, WM_SETICON, icon.kind, reinterpret_cast<LPARAM>(image));
    }
}

bool Win32DialogWindow::HasSystemMenu() const {
    return GetSystemMenu(window_, FALSE) != nullptr;
}

void Win32DialogWindow::AppendSystemMenuItem(const SystemMenu::Item& item) {
    HMENU menu = GetSystemMenu(window_, FALSE);
    if (item.command == 0) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
        AppendMenuW(menu, MF_STRING, item.command, WideFromUtf8(item.text).c_str());
    }
}

} // namespace glyphsmith::ui
