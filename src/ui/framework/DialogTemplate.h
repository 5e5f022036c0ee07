// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace glyphsmith::ui {

enum class ControlKind { GroupBox, Label, Edit, PushButton, CheckBox, Icon };

// What the kind alone does not say about a control.
enum ControlStyle : unsigned {
    kPlain = 0,
    kReadOnly = 1u << 0,       // an edit box that cannot be typed into
    kVerticalCenter = 1u << 1, // a label centred vertically in its rectangle
    kDefaultButton = 1u << 2,  // the push button that Enter presses
    kCenter = 1u << 3,         // a label centred horizontally in its rectangle
    kRight = 1u << 4,          // a label aligned to the right of its rectangle
};

// x, y, width and height in dialog units.
struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

// Labels show their text as it stands; in buttons, check boxes and group boxes "&" marks
// the mnemonic and "&&" shows one "&". Texts are UTF-8. An icon's text is the number of its
// icon resource in decimal, as resource scripts name it.
struct ControlTemplate {
    int id; // -1 for a control that the code never addresses
    ControlKind kind;
    const char* text;
    DialogRect rect;
    unsigned style = kPlain;
};

// A dialog as data. Controls are created in this order, which is also the tab order, so a
// group box comes before the controls it frames and is drawn beneath them.
struct DialogTemplate {
    const char* caption;
    int width; // of the client area, in dialog units
    int height;
    const char* fontFace;
    int pointSize;
    std::span<const ControlTemplate> controls;
    // A window of its own on the task bar, even while another window of the program owns
    // it; Qt's top-level windows have one anyway.
    bool appWindow = false;
};

} // namespace glyphsmith::ui
