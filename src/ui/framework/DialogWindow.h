// SPDX-License-Identifier: MIT
#pragma once

#include "Control.h"
#include "DialogTemplate.h"
#include "SystemMenu.h"

#include <memory>
#include <span>

namespace glyphsmith::ui {

class Dialog;

// The window of a dialog on one side of the framework: Qt or Win32. It makes the controls
// of the template in template order when it is made, reports the user's commands to its
// Dialog, and shows and ends as the Dialog says.
class DialogWindow {
  public:
    virtual ~DialogWindow() = default;

    // False when the window system could not make the window; it then has no controls.
    virtual bool Exists() const = 0;
    // Every control, in template order.
    virtual std::span<const Control> Controls() const = 0;

    // The program's own modal loop: shows the window, disables its owner and returns the
    // result once End was called.
    virtual int RunModalLoop() = 0;
    // Hides the window and ends its modal loop, if one runs.
    virtual void End(int result) = 0;

    // The icon resource shown in the caption and on the task bar, in both of its sizes.
    virtual void SetIcon(int iconId) = 0;

    // The system menu: whether the window has one, and adding an entry to it.
    virtual bool HasSystemMenu() const = 0;
    virtual void AppendSystemMenuItem(const SystemMenu::Item& item) = 0;
    // What the window system does with a system command that the dialog passes on.
    virtual void DefaultSysCommand(unsigned command) = 0;
};

// Makes the window of a dialog, owned by the parent's window when there is a parent.
std::unique_ptr<DialogWindow>
CreateDialogWindow(Dialog& dialog, const DialogTemplate& dialogTemplate, Dialog* parent);

} // namespace glyphsmith::ui
