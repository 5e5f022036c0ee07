// SPDX-License-Identifier: MIT
#include "Control.h"

namespace glyphsmith::ui {

bool Control::IsTabStop() const {
    return Kind() == ControlKind::Edit || Kind() == ControlKind::PushButton ||
           Kind() == ControlKind::CheckBox;
}

} // namespace glyphsmith::ui
