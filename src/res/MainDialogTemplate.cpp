// SPDX-License-Identifier: MIT
#include "MainDialogTemplate.h"

#include "DialogCodes.h"

namespace glyphsmith::res {

namespace {

using namespace ui;

// One control a line, as the template lists them. The Other box comes last, so it is
// reached after the Exit button.
// clang-format off
constexpr ControlTemplate kControls[] = {
    {-1, ControlKind::GroupBox, "Setting Output Directory && Using Clone Machine", {7, 7, 249, 121}},
    {-1, ControlKind::Label, "Source/Target directory of gbk*.htf files:", {20, 17, 197, 8}, kVerticalCenter},
    {kHtfDirectoryEdit, ControlKind::Edit, "", {20, 27, 206, 14}, kReadOnly},
    {kPickHtfDirectoryButton, ControlKind::PushButton, "...", {226, 27, 14, 14}},
    {kCloneButton, ControlKind::PushButton, "Clone new gbk*.htf files from existing *.htf files...", {20, 44, 220, 14}},
    {-1, ControlKind::Label, "Target directory of alias bk*.htf files:", {20, 62, 197, 8}, kVerticalCenter},
    {kAliasDirectoryEdit, ControlKind::Edit, "", {20, 72, 206, 14}, kReadOnly},
    {kPickAliasDirectoryButton, ControlKind::PushButton, "...", {226, 72, 14, 14}},
    {-1, ControlKind::Label, "Font family:", {78, 89, 39, 14}, kVerticalCenter},
    {kFontFamilyEdit, ControlKind::Edit, "", {123, 89, 45, 14}},
    {kBoldCheck, ControlKind::CheckBox, "bold", {20, 89, 25, 14}},
    {kItalicCheck, ControlKind::CheckBox, "italic", {48, 89, 25, 14}},
    {kAliasButton, ControlKind::PushButton, "Create alias gbk*.htf files from existing *.htf files...", {20, 106, 220, 14}},
    {kDiscardBlanksCheck, ControlKind::CheckBox, "Discard blank characters at the beginning and the end of each file", {17, 131, 226, 10}},
    {-1, ControlKind::GroupBox, "Generator 1: from UGBK.sfd file provided with CJK", {7, 143, 249, 51}},
    {-1, ControlKind::Label, "UGBK.sfd file:", {20, 157, 47, 14}, kVerticalCenter},
    {kSfdFileEdit, ControlKind::Edit, "", {71, 157, 155, 14}, kReadOnly},
    {kPickSfdFileButton, ControlKind::PushButton, "...", {226, 157, 14, 14}},
    {kGenerator1Button, ControlKind::PushButton, "Generate gbk*.htf files from UGBK.sfd file!", {20, 174, 220, 14}},
    {-1, ControlKind::GroupBox, "Generator 2: from Microsoft GBK codepage, and *.enc files", {7, 198, 249, 88}},
    {-1, ControlKind::Label, "Microsoft - Codepage 936 PRC GBK (XGB) - ANSI, OEM:", {20, 208, 197, 8}, kVerticalCenter},
    {kCodePageFileEdit, ControlKind::Edit, "", {20, 219, 206, 14}, kReadOnly},
    {kPickCodePageFileButton, ControlKind::PushButton, "...", {226, 219, 14, 14}},
    {-1, ControlKind::Label, "Source directory of gbk*.enc files:", {20, 238, 197, 8}, kVerticalCenter},
    {kEncDirectoryEdit, ControlKind::Edit, "", {20, 248, 206, 14}, kReadOnly},
    {kPickEncDirectoryButton, ControlKind::PushButton, "...", {226, 248, 14, 14}},
    {kGenerator2Button, ControlKind::PushButton, "Generate gbk*.htf files from MS GBK codepage and *.enc files!", {20, 266, 220, 14}},
    {kAboutButton, ControlKind::PushButton, "About Glyphsmith for TeX4ht ...", {20, 291, 107, 14}},
    {IDCANCEL, ControlKind::PushButton, "E&xit Glyphsmith for TeX4ht!", {133, 291, 107, 14}},
    {-1, ControlKind::Label, "Other:", {173, 89, 21, 14}, kVerticalCenter},
    {kOtherStyleEdit, ControlKind::Edit, "", {198, 89, 42, 14}},
};
// clang-format on

} // namespace

const ui::DialogTemplate kMainDialogTemplate{
    "Glyphsmith for TeX4ht (v 0.2)", 263, 313, "Verdana", 8, kControls, true,
};

} // namespace glyphsmith::res
