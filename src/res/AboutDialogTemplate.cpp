// SPDX-License-Identifier: MIT
#include "AboutDialogTemplate.h"

#include "Credits.h"
#include "DialogCodes.h"

namespace glyphsmith::res {

namespace {

using namespace ui;

// The OK button is the only tab stop.
// clang-format off
constexpr ControlTemplate kControls[] = {
    {-1, ControlKind::Icon, "128", {7, 17, 20, 20}},
    {kProgramLabel, ControlKind::Label, "Glyphsmith for TeX4ht v 0.22", {33, 8, 91, 8}},
    {kFirstDeveloperLabel, ControlKind::Label, kFirstDeveloper.text, {79, 37, 33, 8}},
    {kMakerLabel, ControlKind::Label, kMaker.text, {33, 24, 116, 8}},
    {IDOK, ControlKind::PushButton, "OK", {145, 7, 50, 14}, kDefaultButton},
    {kSecondDeveloperLabel, ControlKind::Label, kSecondDeveloper.text, {133, 37, 56, 8}},
    {-1, ControlKind::Label, "Developer:", {33, 37, 40, 8}},
    {-1, ControlKind::Label, "and", {116, 37, 13, 8}},
};
// clang-format on

} // namespace

const ui::DialogTemplate kAboutDialogTemplate{
    "About Glyphsmith for TeX4ht", 202, 52, "Verdana", 8, kControls,
};

} // namespace glyphsmith::res
