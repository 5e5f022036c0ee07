#pragma once

#include "ChooserRequests.h"

#include <optional>
#include <string>

namespace glyphsmith::ui {

// The program seam's folder chooser over Qt's own directory dialog; the path comes back
// with the platform's separators.
std::optional<std::string> RunFolderChooser(const FolderRequest& request);

} // namespace glyphsmith::ui
