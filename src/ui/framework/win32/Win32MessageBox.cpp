// SPDX-License-Identifier: MIT
// The message box of the program's own seam on Win32: the system's, owned by its dialog's
// window.
#include "SystemDialogs.h"
#include "Utf16.h"
#include "Win32Windows.h"

namespace glyphsmith::ui {

void ShowSystemMessageBox(Dialog* owner, const std::string& text, const std::string& caption,
                          unsigned type) {
    MessageBoxW(OwnerWindow(owner), win32::ToUtf16(text).c_str(), win32::ToUtf16(caption).c_str(),
                type);
}

} // namespace glyphsmith::ui
