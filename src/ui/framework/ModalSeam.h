// SPDX-License-Identifier: MIT
#pragma once

#include "ChooserRequests.h"
#include "ScopedSeam.h"

#include <optional>
#include <string>

namespace glyphsmith::ui {

class Dialog;

// Everything that waits for the user in a modal loop goes through here, so that tests can
// put scripted answers in its place. The program's own seam is its side's: Qt's dialogs
// or the Windows ones.
class ModalSeam {
  public:
    virtual ~ModalSeam() = default;

    // A message box with one OK button, owned by owner (may be null); returns when closed.
    virtual void ShowMessageBox(Dialog* owner, const std::string& text, const std::string& caption,
                                unsigned type) = 0;
    // Runs a dialog whose controls are ready until it ends; returns its result.
    virtual int RunModal(Dialog& dialog) = 0;
    // The chosen folder's path; nothing when the user cancelled or the chooser could not
    // start. An empty path stands for a choice that is no folder on disk.
    virtual std::optional<std::string> ChooseFolder(const FolderRequest& request) = 0;
    // The chosen file's full path, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFile(const FileRequest& request) = 0;
};

using ScopedModalSeam = ScopedSeam<ModalSeam>;

// The seam in force: the program's own, or the one a ScopedModalSeam put in place.
ModalSeam& CurrentModalSeam();
// The program's own seam, whichever seam is in force; its side's.
ModalSeam& ProgramModalSeam();

} // namespace glyphsmith::ui
