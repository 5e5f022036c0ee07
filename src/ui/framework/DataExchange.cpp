#include "DataExchange.h"

#include "Dialog.h"
#include "EditBox.h"
#include "SubclassedControl.h"

#include <QCheckBox>
#include <stdexcept>

namespace glyphsmith::ui {

namespace {

template <class Control> Control& ControlOfKind(Dialog& dialog, int id, const char* kind) {
    auto* control = dynamic_cast<Control*>(dialog.GetDlgItem(id));
    if (control == nullptr) {
        throw std::logic_error("data exchange: control " + std::to_string(id) + " is not " + kind);
    }
    return *control;
}

std::string LengthLimitText(int maxChars) {
    return "At most " + std::to_string(maxChars) + " characters may be entered in this box.";
}

} // namespace

EditBox& DataExchange::PrepareEdit(int id) {
    EditBox& edit = ControlOfKind<EditBox>(dialog_, id, "an edit box");
    lastControl_ = &edit;
    lastEdit_ = &edit;
    return edit;
}

QCheckBox& DataExchange::PrepareCheck(int id) {
    QCheckBox& check = ControlOfKind<QCheckBox>(dialog_, id, "a check box");
    lastControl_ = &check;
    lastEdit_ = nullptr;
    return check;
}

QWidget& DataExchange::PrepareControl(int id) {
    QWidget& control = ControlOfKind<QWidget>(dialog_, id, "a control");
    lastControl_ = &control;
    lastEdit_ = nullptr;
    return control;
}

void DataExchange::Fail() {
    failed_ = true;
    if (lastControl_ != nullptr) {
        lastControl_->setFocus();
    }
    if (lastEdit_ != nullptr) {
        lastEdit_->selectAll();
    }
}

void DDX_Text(DataExchange& dx, int id, std::string& value) {
    if (dx.Failed()) {
        return;
    }
    EditBox& edit = dx.PrepareEdit(id);
    if (dx.SaveAndValidate()) {
        value = edit.text().toStdString();
    } else {
        edit.SetText(QString::fromStdString(value));
    }
}

void DDX_Check(DataExchange& dx, int id, bool& value) {
    if (dx.Failed()) {
        return;
    }
    QCheckBox& check = dx.PrepareCheck(id);
    if (dx.SaveAndValidate()) {
        value = check.isChecked();
    } else {
        check.setChecked(value);
    }
}

// Characters are counted as the edit box counts them, so that whatever fits the box passes.
void DDV_MaxChars(DataExchange& dx, const std::string& value, int maxChars) {
    if (dx.Failed()) {
        return;
    }
    if (dx.SaveAndValidate()) {
        if (QString::fromStdString(value).size() > maxChars) {
            dx.DialogWindow().MessageBox(LengthLimitText(maxChars), {}, MB_ICONEXCLAMATION);
            dx.Fail();
        }
    } else if (EditBox* edit = dx.LastEdit()) {
        edit->SetLimitText(maxChars);
    }
}

void DDX_Control(DataExchange& dx, int id, SubclassedControl& control) {
    if (dx.Failed()) {
        return;
    }
    QWidget& window = dx.PrepareControl(id);
    if (control.Window() == nullptr) {
        control.SubclassWindow(&window);
    }
}

} // namespace glyphsmith::ui
