// SPDX-License-Identifier: MIT
#include "Win32Windows.h"

#include "Unicode.h"

namespace glyphsmith::ui {

std::wstring WideWindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string WindowText(HWND window) {
    return Utf8FromWide(WideWindowText(window));
}

} // namespace glyphsmith::ui
