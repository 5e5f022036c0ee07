// SPDX-License-Identifier: MIT
#pragma once

#include "DialogTemplate.h"

namespace glyphsmith::res {

// Template 131, the prompt for the family that an alias stands for and the alias's name.
extern const ui::DialogTemplate kAliasDialogTemplate;

enum AliasDialogControl : int {
    kTargetFontEdit = 1011,
    kAliasFontEdit = 1012,
};

} // namespace glyphsmith::res
