// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace glyphsmith::ui {

// A filter in the dialog framework's notation, "Text Files (*.txt)|*.txt|All Files
// (*.*)|*.*||", as the Open dialog takes it: each "|" a NUL, the list ended by two.
std::wstring OpenDialogFilter(std::string_view filter);

} // namespace glyphsmith::ui
