// SPDX-License-Identifier: MIT
#pragma once

#include "DialogTemplate.h"

namespace glyphsmith::res {

// Template 129, the prompt for the family to clone and the new family's name.
extern const ui::DialogTemplate kCloneDialogTemplate;

enum CloneDialogControl : int {
    kClonedToEdit = 1002,
    kClonedFromEdit = 1003,
};

} // namespace glyphsmith::res
