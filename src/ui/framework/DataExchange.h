// SPDX-License-Identifier: MIT
#pragma once

#include "Control.h"

#include <string>

namespace glyphsmith::ui {

class Dialog;
class SubclassedControl;

// One run of a dialog's data exchange, in one direction. A failed check stops the run at
// its control: every exchange after it does nothing, so later members keep their values.
class DataExchange {
  public:
    DataExchange(Dialog& dialog, bool saveAndValidate)
        : dialog_(dialog), saveAndValidate_(saveAndValidate) {}

    // The dialog whose controls and members are exchanged.
    Dialog& OwnerDialog() const { return dialog_; }
    // True: controls into members, with checks; false: members into controls.
    bool SaveAndValidate() const { return saveAndValidate_; }
    bool Failed() const { return failed_; }

    // The control of the next exchange, which must be of that kind; a wrong id or kind is
    // a programming error and throws std::logic_error.
    Control PrepareControl(int id, ControlKind kind);
    // The edit box of the last text exchange, which a length check applies to; none
    // after any other exchange.
    Control LastEdit() const { return lastEdit_; }

    // Stops the run and puts the focus on the control that failed.
    void Fail();

  private:
    Dialog& dialog_;
    const bool saveAndValidate_;
    bool failed_ = false;
    Control lastControl_;
    Control lastEdit_;
};

// The text of an edit box and a UTF-8 string.
void DDX_Text(DataExchange& dx, int id, std::string& value);
// The state of a check box and a flag.
void DDX_Check(DataExchange& dx, int id, bool& value);
// Reading: a text longer than maxChars shows the framework's message and fails the
// exchange. Writing: limits the edit box of the last text exchange to maxChars.
// Characters are counted as the edit box counts them.
void DDV_MaxChars(DataExchange& dx, const std::string& value, int maxChars);
// Attaches the object to its label, once.
void DDX_Control(DataExchange& dx, int id, SubclassedControl& control);

} // namespace glyphsmith::ui
