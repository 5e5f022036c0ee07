// SPDX-License-Identifier: MIT
#pragma once

#include "DialogTemplate.h"

namespace glyphsmith::res {

// Template 100, the About box, and the identifiers of its links.
extern const ui::DialogTemplate kAboutDialogTemplate;

enum AboutDialogControl : int {
    kMakerLabel = 1005,
    kProgramLabel = 1006,
    kFirstDeveloperLabel = 1007,
    kSecondDeveloperLabel = 1008,
};

} // namespace glyphsmith::res
