// SPDX-License-Identifier: MIT
// The message box of the program's own seam on Win32: the system's, owned by its dialog's
// window.
#include "SystemDialogs.h"
#include "Unicode.h"
#include "Win32Windows.h"

namespace glyphsmith::ui {

void ShowSystemMessageBox(Dialog* owner, const std::string& text, const std::string& caption,
                          unsigned type) {
    MessageBoxW(OwnerWindow(owner), WideFromUtf8(text).c_str(), WideFromUtf8(caption).c_str(),
                type);
}

} // namespace glyphsmith::ui
