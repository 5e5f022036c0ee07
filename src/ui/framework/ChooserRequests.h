// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

namespace glyphsmith::ui {

class Dialog;

// What a folder chooser shows. Texts are UTF-8; paths are written with the platform's
// separators.
struct FolderRequest {
    Dialog* owner = nullptr;
    // Shown above the folders.
    std::string prompt;
    // The window's caption when not empty.
    std::string caption;
    // Nothing outside this folder can be chosen; empty: the whole file system.
    std::string rootFolder;
    // The folder selected when the chooser opens; empty: none.
    std::string initialFolder;
    bool showStatusText = false;
    // Asked at every change of the selection, with its path (empty when it has none)
    // and an empty status text to fill in; the answer enables the OK button.
    std::function<bool(const std::string& path, std::string& statusText)> validateSelection =
        [](const std::string&, std::string&) { return true; };
};

// What an Open dialog for one file shows.
struct FileRequest {
    Dialog* owner = nullptr;
    // Appended to a typed name that has none; empty: nothing appended.
    std::string defaultExtension;
    std::string initialName;
    // Pairs of a label and its patterns, in the dialog framework's notation:
    // "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||".
    std::string filter;
};

} // namespace glyphsmith::ui
