#include "DataExchange.h"

#include "Dialog.h"
#include "SubclassedControl.h"
#include "TextLength.h"

#include <stdexcept>

namespace glyphsmith::ui {

namespace {

std::string LengthLimitText(int maxChars) {
    return "At most " + std::to_string(maxChars) + " characters may be entered in this box.";
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
    if (dx.Failed()) {
        return;
    }
    Control edit = dx.PrepareControl(id, ControlKind::Edit);
    if (dx.SaveAndValidate()) {
        value = edit.Text();
    } else {
        edit.SetText(value);
    }
}

void DDX_Check(DataExchange& dx, int id, bool& value) {
    if (dx.Failed()) {
        return;
    }
    Control check = dx.PrepareControl(id, ControlKind::CheckBox);
    if (dx.SaveAndValidate()) {
        value = check.Checked();
    } else {
        check.SetChecked(value);
    }
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
