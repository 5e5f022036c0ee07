#pragma once

#include "ChooserRequests.h"

#include <optional>

namespace glyphsmith::ui {

// The program seam's choosers over Qt's file dialog; paths come back with the platform's
// separators.
std::optional<QString> RunFolderChooser(const FolderRequest& request);
std::optional<QString> RunFileChooser(const FileRequest& request);

} // namespace glyphsmith::ui
