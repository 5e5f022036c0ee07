// SPDX-License-Identifier: MIT
#pragma once

#include "Control.h"
#include "DataExchange.h"
#include "DialogCodes.h"
#include "DialogTemplate.h"
#include "MessageMap.h"
#include "SystemMenu.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace glyphsmith::ui {

class DialogWindow;

// A modal dialog built from a template, with the dialog framework's ways: data exchange
// through DoDataExchange, button clicks through a message map, OK and Cancel as commands
// IDOK and IDCANCEL, and every modal wait through the modal seam. Its window, and the
// controls in it, exist from construction on, on whichever side of the framework the
// program is built.
//
// Enter presses the focused push button, else the default button, else sends IDOK;
// Escape, the close box and the Close system command send IDCANCEL. Unless a derived map
// takes them, IDOK runs OnOK and IDCANCEL OnCancel.
class Dialog {
  public:
    // The parent's window owns this one.
    explicit Dialog(const DialogTemplate& dialogTemplate, Dialog* parent = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs OnInitDialog, then the modal loop; IDOK or IDCANCEL, or -1 at once when the
    // window could not be made.
    int DoModal();
    void EndDialog(int result);
    // The result of the last modal run once it ended; nothing while it runs.
    std::optional<int> Result() const { return result_; }

    // The first control with this id, or no control.
    Control GetDlgItem(int id) const;

    // Runs DoDataExchange: true copies the controls into the members with their checks,
    // false the members into the controls. False when a check failed.
    bool UpdateData(bool saveAndValidate = true);

    // A message box owned by this dialog; an empty caption shows the program's name.
    void MessageBox(std::string_view text, std::string_view caption = {}, unsigned type = MB_OK);
    // While any dialog's wait cursor is up, the program shows the wait cursor.
    void BeginWaitCursor();
    void EndWaitCursor();

    // Null where the window has none.
    SystemMenu* GetSystemMenu();
    // Shows an icon resource in the caption and on the task bar.
    void SetIcon(int iconId);

    Dialog* Parent() const { return parent_; }
    DialogWindow& Window() const { return *window_; }

    // What the window system reports, called by the side's window: a command (a click on
    // a button, or IDOK and IDCANCEL from the keyboard and the close box), and a command
    // of the system menu.
    void DispatchCommand(int id);
    void DispatchSysCommand(unsigned command) { OnSysCommand(command); }

  protected:
    // Copies the members into the controls; true lets the first tab stop take the focus,
    // with the whole text of an edit box selected.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(DataExchange& dx);
    virtual MessageMap GetMessageMap() const { return {}; }
    virtual void OnOK();
    virtual void OnCancel();
    // A command of the system menu; the default processing is the window system's, which
    // closes the window on kCloseCommand.
    virtual void OnSysCommand(unsigned command);

  private:
    void FocusFirstTabStop();

    Dialog* parent_;
    std::unique_ptr<DialogWindow> window_;
    std::unique_ptr<SystemMenu> systemMenu_;
    std::optional<int> result_;
};

// Whether a dialog of the program has its wait cursor up.
bool WaitCursorShown();

} // namespace glyphsmith::ui
