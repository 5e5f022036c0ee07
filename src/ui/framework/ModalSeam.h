#pragma once

#include "ChooserRequests.h"

#include <optional>

class QAction;
class QMenu;
class QPoint;
class QString;
class QWidget;

namespace glyphsmith::ui {

class Dialog;

// Everything that waits for the user in a modal loop goes through here, so that tests can
// put scripted answers in its place. The program's own implementation uses Qt's dialogs.
class ModalSeam {
  public:
    virtual ~ModalSeam() = default;

    // A message box with one OK button, owned by owner (may be null); returns when closed.
    virtual void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                                unsigned type) = 0;
    // Runs a dialog whose controls are ready until it ends; returns its result.
    virtual int RunModal(Dialog& dialog) = 0;
    // Shows a pop-up menu; returns the chosen entry, or null when dismissed.
    virtual QAction* TrackPopupMenu(QMenu& menu, const QPoint& globalPosition) = 0;
    // The chosen folder's path; nothing when the user cancelled or the chooser could not
    // start. An empty path stands for a choice that is no folder on disk.
    virtual std::optional<QString> ChooseFolder(const FolderRequest& request) = 0;
    // The chosen file's full path, or nothing when the user cancelled.
    virtual std::optional<QString> ChooseFileToOpen(const FileRequest& request) = 0;
};

// The seam in force: the program's own, or the one a ScopedModalSeam put in place.
ModalSeam& CurrentModalSeam();
// The program's own seam over Qt's dialogs, whichever seam is in force.
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
