// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace glyphsmith {

namespace ui {
class Dialog;
}

// Lets the user pick a file to open, through the modal seam, over owner. A typed name
// without an extension gets defaultExtension; initialName prefills the name; the filter
// is in the dialog framework's notation ("Text Files (*.txt)|*.txt|All Files (*.*)|*.*||").
// The chosen file's full path, or nothing on Cancel.
std::optional<std::string> ChooseFile(ui::Dialog* owner, std::string_view defaultExtension,
                                      std::string_view initialName, std::string_view filter);

} // namespace glyphsmith
