// SPDX-License-Identifier: MIT
// The framework's control handles over Qt's widgets.
#include "Control.h"
#include "EditBox.h"
#include "WidgetHandles.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace glyphsmith::ui {

namespace {

QString TextOf(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return group->title();
    }
    return {};
}

} // namespace

std::string Control::Text() const {
    return TextOf(WidgetOf(*this)).toStdString();
}

void Control::SetText(std::string_view text) {
    QWidget* widget = WidgetOf(*this);
    const QString shown = FromUtf8(text);
    if (auto* edit = dynamic_cast<EditBox*>(widget)) {
        edit->SetText(shown);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(shown);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(shown);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(shown);
    }
}

bool Control::Checked() const {
    auto* button = qobject_cast<QAbstractButton*>(WidgetOf(*this));
    return button != nullptr && button->isChecked();
}

void Control::SetChecked(bool checked) {
    if (auto* button = qobject_cast<QAbstractButton*>(WidgetOf(*this))) {
        button->setChecked(checked);
    }
}

void Control::LimitText(int maxChars) {
    if (auto* edit = dynamic_cast<EditBox*>(WidgetOf(*this))) {
        edit->SetLimitText(maxChars);
    }
}

bool Control::IsEnabled() const {
    return WidgetOf(*this)->isEnabled();
}

void Control::Focus() {
    WidgetOf(*this)->setFocus();
}

void Control::SelectAll() {
    if (auto* edit = qobject_cast<QLineEdit*>(WidgetOf(*this))) {
        edit->selectAll();
    }
}

Rect Control::Geometry() const {
    return FromQRect(WidgetOf(*this)->geometry());
}

void Control::SetGeometry(const Rect& rect) {
    WidgetOf(*this)->setGeometry(ToQRect(rect));
}

} // namespace glyphsmith::ui
