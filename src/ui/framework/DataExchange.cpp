// SPDX-License-Identifier: MIT
#include "DataExchange.h"

#include "Dialog.h"
#include "SubclassedControl.h"
#include "TextLength.h"

#include <functional>
#include <stdexcept>

namespace glyphsmith::ui {

namespace {

std::string LengthLimitText(int maxChars) {
    return "At most " + std::to_string(maxChars) + " characters may be entered in this box.";
}

// Reads the control into the member or writes the member into it, by the exchange's
// direction.
template <class Value, class Read, class Write>
void Exchange(DataExchange& dx, int id, ControlKind kind, Value& value, Read read, Write write) {
    if (dx.Failed()) {
        return;
    }
    Control control = dx.PrepareControl(id, kind);
    if (dx.SaveAndValidate()) {
        value = std::invoke(read, control);
    } else {
        std::invoke(write, control, value);
    }
}

} // namespace

Control DataExchange::PrepareControl(int id, ControlKind kind) {
    const Control control = dialog_.GetDlgItem(id);
    if (!control || control.Kind() != kind) {
        throw std::logic_error("data exchange: control " + std::to_string(id) +
                               " is missing or of another kind");
    }
    lastControl_ = control;
    lastEdit_ = kind == ControlKind::Edit ? control : Control();
    return control;
}

void DataExchange::Fail() {
    failed_ = true;
    if (lastControl_) {
        lastControl_.Focus();
    }
    if (lastEdit_) {
        lastEdit_.SelectAll();
    }
}

void DDX_Text(DataExchange& dx, int id, std::string& value) {
    Exchange(dx, id, ControlKind::Edit, value, &Control::Text, &Control::SetText);
}

void DDX_Check(DataExchange& dx, int id, bool& value) {
    Exchange(dx, id, ControlKind::CheckBox, value, &Control::Checked, &Control::SetChecked);
}

void DDV_MaxChars(DataExchange& dx, const std::string& value, int maxChars) {
    if (dx.Failed()) {
        return;
    }
    if (dx.SaveAndValidate()) {
        if (EditLength(value) > static_cast<std::size_t>(maxChars)) {
            dx.OwnerDialog().MessageBox(LengthLimitText(maxChars), {}, MB_ICONEXCLAMATION);
            dx.Fail();
        }
    } else if (Control edit = dx.LastEdit()) {
        edit.LimitText(maxChars);
    }
}

void DDX_Control(DataExchange& dx, int id, SubclassedControl& control) {
    if (dx.Failed()) {
        return;
    }
    const Control label = dx.PrepareControl(id, ControlKind::Label);
    if (!control.Window()) {
        control.SubclassWindow(label);
    }
}

} // namespace glyphsmith::ui
