#pragma once

#include "ChooserRequests.h"

#include <optional>
#include <string>
#include <string_view>

namespace glyphsmith::ui {

// The program seam's file chooser on Win32, the common Open dialog: the chosen file's full path, or
// nothing on Cancel. The working directory stays as it was.
std::optional<std::string> RunFileChooser(const FileRequest& request);

// A filter in the dialog framework's notation, "Text Files (*.txt)|*.txt|All Files
// (*.*)|*.*||", as the Open dialog takes it: each "|" a NUL, the list ended by two.
std::wstring OpenDialogFilter(std::string_view filter);

} // namespace glyphsmith::ui
