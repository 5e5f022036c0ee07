// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace glyphsmith::ui {
class Dialog;
}

namespace glyphsmith {

// Lets the user pick one folder; built on the stack for one pick. The chooser is the
// modal seam's folder chooser.
class FolderChooser {
  public:
    FolderChooser() = default;
    virtual ~FolderChooser() = default;
    FolderChooser(const FolderChooser&) = delete;
    FolderChooser& operator=(const FolderChooser&) = delete;

    // Trims initialFolder, then lets the user choose over owner (may be null). True when a
    // folder on disk was confirmed: it stands in selectedPath. False on Cancel, on a choice
    // that is no folder on disk, and when the chooser could not start.
    bool Browse(ui::Dialog* owner);

    // Asked at every change of the selection, with its path (empty when it has none) and
    // an empty status text to fill in; the answer enables the OK button. Every folder is
    // acceptable here.
    virtual bool ValidateSelection(const std::string& path, std::string& statusText);

    // The chooser's window caption when not empty.
    std::string caption;
    // The chosen folder's full path after Browse succeeded.
    std::string selectedPath;
    // Nothing outside it can be chosen; empty: the whole file system.
    std::string rootFolder;
    // Selected when the chooser opens; empty: none.
    std::string initialFolder;
    // Shown above the folders; "Open" when empty.
    std::string prompt;
    bool showStatusText = false;

  private:
    // Trailing white space, then one trailing slash or backslash, so that a stored path
    // written with a closing separator still selects its folder.
    void TrimInitialFolder();
};

} // namespace glyphsmith
