// SPDX-License-Identifier: MIT
#pragma once

#include "Dialog.h"

namespace glyphsmith::test {

inline constexpr ui::DialogTemplate kOwnerDialogTemplate{"Owner", 120, 40, "Verdana", 8, {}};

// A dialog without controls, to own the choosers under test as the main window would.
class OwnerDialog : public ui::Dialog {
  public:
    OwnerDialog() : Dialog(kOwnerDialogTemplate) {}
};

} // namespace glyphsmith::test
