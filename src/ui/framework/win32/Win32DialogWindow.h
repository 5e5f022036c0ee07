// SPDX-License-Identifier: MIT
#pragma once

#include "DialogWindow.h"
#include "Win32Windows.h"

#include <vector>

namespace glyphsmith::ui {

// A dialog's window on Win32: the dialog manager's own window, made hidden from the
// template in memory, so that Windows maps the dialog units and runs the keyboard
// interface. The program's modal loop runs it; its commands go to its Dialog.
class Win32DialogWindow final : public DialogWindow {
  public:
    Win32DialogWindow(Dialog& dialog, const DialogTemplate& dialogTemplate, HWND owner);
    ~Win32DialogWindow() override;
    Win32DialogWindow(const Win32DialogWindow&) = delete;
    Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

    bool Exists() const override { return window_ != nullptr; }
    std::span<const Control> Controls() const override { return controls_; }
    int RunModalLoop() override;
    void End(int result) override;
    void SetIcon(int iconId) override;
    bool HasSystemMenu() const override;
    void AppendSystemMenuItem(const SystemMenu::Item& item) override;
    void DefaultSysCommand(unsigned command) override;

    HWND Handle() const { return window_; }

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnSysCommand(WPARAM command, LPARAM position);
    void OnCommand(WPARAM wParam, HWND sender);
    void CollectControls(const DialogTemplate& dialogTemplate);
    void PumpUntilEnded();
    void DisableOwner();
    void EnableOwner();

    Dialog& dialog_;
    HWND window_ = nullptr;
    std::vector<Control> controls_;
    bool ended_ = false;
    int result_ = IDCANCEL; // for a loop that the end of the window cut short
    bool ownerDisabled_ = false;
    // The system command being passed on to the dialog manager, and where it was chosen.
    bool passingOn_ = false;
    LPARAM sysCommandPosition_ = 0;
};

} // namespace glyphsmith::ui
