// SPDX-License-Identifier: MIT
#include "SubclassedControl.h"

namespace glyphsmith::ui {

SubclassedControl::SubclassedControl() = default;

SubclassedControl::~SubclassedControl() = default;

bool SubclassedControl::SubclassWindow(Control control) {
    if (Window() || !control) {
        return false;
    }
    control_ = control;
    hook_ = HookControl(control, *this);
    PreSubclassWindow();
    return true;
}

Control SubclassedControl::Window() const {
    return hook_ != nullptr && hook_->Alive() ? control_ : Control();
}

void SubclassedControl::OnPointerMove(Point) {}

void SubclassedControl::OnPointerLeave() {}

void SubclassedControl::OnClicked() {}

std::optional<ColorRef> SubclassedControl::CtlColor() const {
    return std::nullopt;
}

Size SubclassedControl::TextExtent() const {
    return Window() ? hook_->TextExtent() : Size();
}

void SubclassedControl::SetUnderline(bool underline) {
    if (Window()) {
        hook_->SetUnderline(underline);
    }
}

void SubclassedControl::SetToolTip(const std::string& text) {
    if (Window()) {
        hook_->SetToolTip(text);
    }
}

void SubclassedControl::SetCursor(std::optional<Cursor> cursor) {
    if (Window()) {
        hook_->SetCursor(cursor);
    }
}

void SubclassedControl::Repaint(bool now) {
    if (Window()) {
        hook_->Repaint(now);
    }
}

} // namespace glyphsmith::ui
