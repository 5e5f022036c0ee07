// SPDX-License-Identifier: MIT
#include "ControlStyles.h"

#include <stdexcept>

namespace glyphsmith::ui::win32 {

namespace {

// The atoms that a dialog template names the predefined classes by.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

bool Has(unsigned style, ControlStyle flag) {
    return (style & flag) != 0;
}

// Labels show "&" as it stands; buttons, check boxes and group boxes keep their mnemonics.
DWORD LabelStyle(unsigned style) {
    DWORD result = SS_NOPREFIX | SS_LEFT;
    if (Has(style, kCenter)) {
        result |= SS_CENTER;
    } else if (Has(style, kRight)) {
        result |= SS_RIGHT;
    }
    if (Has(style, kVerticalCenter)) {
        result |= SS_CENTERIMAGE;
    }
    return result;
}

DWORD EditStyle(unsigned style) {
    const DWORD readOnly = Has(style, kReadOnly) ? ES_READONLY : 0;
    return WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | readOnly;
}

DWORD PushButtonStyle(unsigned style) {
    return WS_TABSTOP | (Has(style, kDefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

} // namespace

ControlClassAndStyle ClassAndStyleOf(const ControlTemplate& control) {
    switch (control.kind) {
    case ControlKind::GroupBox:
        return {kButtonClass, BS_GROUPBOX};
    case ControlKind::Label:
        return {kStaticClass, LabelStyle(control.style)};
    case ControlKind::Edit:
        return {kEditClass, EditStyle(control.style)};
    case ControlKind::PushButton:
        return {kButtonClass, PushButtonStyle(control.style)};
    case ControlKind::CheckBox:
        return {kButtonClass, WS_TABSTOP | BS_AUTOCHECKBOX};
    case ControlKind::Icon:
        return {kStaticClass, SS_ICON};
    }
    throw std::logic_error("dialog template: unknown control kind");
}

} // namespace glyphsmith::ui::win32
