// SPDX-License-Identifier: MIT
#include "Dialog.h"

#include "DialogWindow.h"
#include "ModalSeam.h"
#include "Platform.h"
#include "ProgramName.h"

namespace glyphsmith::ui {

namespace {

// Begun and not yet ended wait cursors of all dialogs.
int waitCursors = 0;

} // namespace

bool WaitCursorShown() {
    return waitCursors > 0;
}

Dialog::Dialog(const DialogTemplate& dialogTemplate, Dialog* parent)
    : parent_(parent), window_(CreateDialogWindow(*this, dialogTemplate, parent)) {}

Dialog::~Dialog() = default;

int Dialog::DoModal() {
    if (!window_->Exists()) {
        return -1;
    }
    result_.reset();
    if (OnInitDialog()) {
        FocusFirstTabStop();
    }
    return CurrentModalSeam().RunModal(*this);
}

void Dialog::EndDialog(int result) {
    result_ = result;
    window_->End(result);
}

Control Dialog::GetDlgItem(int id) const {
    for (const Control& control : window_->Controls()) {
        if (control.Id() == id) {
            return control;
        }
    }
    return {};
}

bool Dialog::UpdateData(bool saveAndValidate) {
    DataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

void Dialog::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
    CurrentModalSeam().ShowMessageBox(
        this, std::string(text), caption.empty() ? platform::ProgramName() : std::string(caption),
        type);
}

void Dialog::BeginWaitCursor() {
    if (waitCursors++ == 0) {
        ShowWaitCursor(true);
    }
}

void Dialog::EndWaitCursor() {
    if (waitCursors > 0 && --waitCursors == 0) {
        ShowWaitCursor(false);
    }
}

SystemMenu* Dialog::GetSystemMenu() {
    if (!window_->HasSystemMenu()) {
        return nullptr;
    }
    if (systemMenu_ == nullptr) {
        systemMenu_ = std::make_unique<SystemMenu>(*window_);
    }
    return systemMenu_.get();
}

void Dialog::SetIcon(int iconId) {
    window_->SetIcon(iconId);
}

void Dialog::DispatchCommand(int id) {
    for (const MessageMapEntry& entry : GetMessageMap()) {
        if (entry.controlId == id) {
            entry.handler(*this);
            return;
        }
    }
    if (id == IDOK) {
        OnOK();
    } else if (id == IDCANCEL) {
        OnCancel();
    }
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void Dialog::OnSysCommand(unsigned command) {
    window_->DefaultSysCommand(command);
}

// As the dialog manager does, the whole text of an edit box is selected, so that typing
// replaces it.
void Dialog::FocusFirstTabStop() {
    for (Control control : window_->Controls()) {
        if (control.IsTabStop() && control.IsEnabled()) {
            control.Focus();
            control.SelectAll();
            return;
        }
    }
}

} // namespace glyphsmith::ui
