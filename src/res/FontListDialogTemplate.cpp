// SPDX-License-Identifier: MIT
#include "FontListDialogTemplate.h"

#include "DialogCodes.h"

namespace glyphsmith::res {

namespace {

using namespace ui;

// The third rule line comes last in the template, after the buttons. No button is the
// default one, so Enter in the list sends OK.
// clang-format off
constexpr ControlTemplate kControls[] = {
    {-1, ControlKind::Label, "1) All fonts begin with \"gbk\";", {7, 7, 145, 8}},
    {-1, ControlKind::Label, "2) Use ' '(space) to separate different fonts;", {7, 19, 145, 8}},
    {kFontListEdit, ControlKind::Edit, "", {7, 45, 145, 14}},
    {IDOK, ControlKind::PushButton, "OK", {7, 66, 50, 14}},
    {IDCANCEL, ControlKind::PushButton, "Cancel", {102, 66, 50, 14}},
    {-1, ControlKind::Label, "3) The list contains at most 255 characters.", {7, 31, 145, 8}},
};
// clang-format on

} // namespace

const ui::DialogTemplate kFontListDialogTemplate{
    "Fonts list to be generated...", 159, 87, "Verdana", 8, kControls,
};

} // namespace glyphsmith::res
