// SPDX-License-Identifier: MIT
#pragma once

#include "ChooserRequests.h"

#include <optional>
#include <string>

namespace glyphsmith::ui {

class Dialog;

// The window system's own modal dialogs, which the program's modal seam shows; each side
// shows them its way. Paths come back with the platform's separators.

// A message box with one OK button, owned by owner (may be null); returns when closed.
void ShowSystemMessageBox(Dialog* owner, const std::string& text, const std::string& caption,
                          unsigned type);
// The chosen folder's path; nothing when the user cancelled or the chooser could not
// start. An empty path stands for a choice that is no folder on disk.
std::optional<std::string> RunFolderChooser(const FolderRequest& request);
// The chosen file's full path, or nothing when the user cancelled.
std::optional<std::string> RunFileChooser(const FileRequest& request);

} // namespace glyphsmith::ui
