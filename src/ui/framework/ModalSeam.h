#pragma once

#include "ChooserRequests.h"
#include "Geometry.h"
#include "SystemMenu.h"

#include <optional>
#include <span>
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
    // Shows a pop-up menu of these entries at a point of the screen; the chosen entry's
    // command, or nothing when dismissed. Only the Qt side's stand-in for the system menu
    // needs one.
    virtual std::optional<unsigned> TrackPopupMenu(Dialog& owner,
                                                   std::span<const SystemMenu::Item> items,
                                                   Point screenPosition) = 0;
    // The chosen folder's path; nothing when the user cancelled or the chooser could not
    // start. An empty path stands for a choice that is no folder on disk.
    virtual std::optional<std::string> ChooseFolder(const FolderRequest& request) = 0;
    // The chosen file's full path, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFile(const FileRequest& request) = 0;
};

// The seam in force: the program's own, or the one a ScopedModalSeam put in place.
ModalSeam& CurrentModalSeam();
// The program's own seam, whichever seam is in force; its side's.
ModalSeam& ProgramModalSeam();

// Puts another seam in force for its lifetime; scopes may end in any order.
class ScopedModalSeam {
  public:
    explicit ScopedModalSeam(ModalSeam& seam);
    ~ScopedModalSeam();
    ScopedModalSeam(const ScopedModalSeam&) = delete;
    ScopedModalSeam& operator=(const ScopedModalSeam&) = delete;

  private:
    ModalSeam& seam_;
};

} // namespace glyphsmith::ui
