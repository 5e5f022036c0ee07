// SPDX-License-Identifier: MIT
#include "CloneDialogTemplate.h"

#include "DialogCodes.h"

namespace glyphsmith::res {

namespace {

using namespace ui;

// "Cloned to:" stands below "Cloned from:" but comes first in the tab order, so the
// prompt opens with the focus in the name still to be typed.
// clang-format off
constexpr ControlTemplate kControls[] = {
    {-1, ControlKind::GroupBox, "Please input prefix here", {7, 7, 113, 56}},
    {-1, ControlKind::Label, "Cloned to:", {14, 41, 43, 14}, kVerticalCenter},
    {kClonedToEdit, ControlKind::Edit, "", {60, 41, 51, 14}},
    {-1, ControlKind::Label, "Cloned from:", {14, 20, 43, 14}, kVerticalCenter},
    {kClonedFromEdit, ControlKind::Edit, "", {60, 20, 51, 14}},
    {IDOK, ControlKind::PushButton, "OK", {7, 69, 50, 14}, kDefaultButton},
    {IDCANCEL, ControlKind::PushButton, "Cancel", {71, 69, 50, 14}},
};
// clang-format on

} // namespace

const ui::DialogTemplate kCloneDialogTemplate{
    "Cloning .htf files", 127, 90, "Verdana", 8, kControls,
};

} // namespace glyphsmith::res
