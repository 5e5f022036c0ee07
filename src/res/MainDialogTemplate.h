// SPDX-License-Identifier: MIT
#pragma once

#include "DialogTemplate.h"

namespace glyphsmith::res {

// Template 102, the main window, and the identifiers of its controls.
extern const ui::DialogTemplate kMainDialogTemplate;

enum MainDialogControl : int {
    kPickEncDirectoryButton = 3,
    kPickHtfDirectoryButton = 4,
    kGenerator2Button = 5,
    kAboutButton = 6,
    kGenerator1Button = 7,
    kCloneButton = 8,
    kAliasButton = 9,
    kPickAliasDirectoryButton = 10,
    kPickCodePageFileButton = 1000,
    kPickSfdFileButton = 1001,
    kCodePageFileEdit = 1002,
    kEncDirectoryEdit = 1003,
    kHtfDirectoryEdit = 1004,
    kSfdFileEdit = 1005,
    kAliasDirectoryEdit = 1006,
    kDiscardBlanksCheck = 1010,
    kFontFamilyEdit = 1014,
    kBoldCheck = 1015,
    kItalicCheck = 1016,
    kOtherStyleEdit = 1017,
};

} // namespace glyphsmith::res
