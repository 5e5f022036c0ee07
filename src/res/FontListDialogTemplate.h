// SPDX-License-Identifier: MIT
#pragma once

#include "DialogTemplate.h"

namespace glyphsmith::res {

// Template 130, the prompt for the families that Generator 1 writes.
extern const ui::DialogTemplate kFontListDialogTemplate;

enum FontListDialogControl : int {
    kFontListEdit = 1004,
};

} // namespace glyphsmith::res
