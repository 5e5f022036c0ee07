// SPDX-License-Identifier: MIT
#include "ApplicationObject.h"

#include "MainDialog.h"

namespace glyphsmith {

// The settings store is named by the organisation it is made with; the main window loads
// the settings as it is made.
bool ApplicationObject::InitInstance() {
    MainDialog dialog(nullptr, workingDirectory_);
    dialog.DoModal();
    return false;
}

} // namespace glyphsmith
