#include "ModalSeam.h"

#include "Dialog.h"
#include "DialogCodes.h"
#include "QtChoosers.h"

#include <QMenu>
#include <QMessageBox>
#include <algorithm>
#include <vector>

namespace glyphsmith::ui {

namespace {

constexpr unsigned kIconMask = 0xF0;

class QtModalSeam final : public ModalSeam {
  public:
    void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                        unsigned type) override {
        const bool exclamation = (type & kIconMask) == MB_ICONEXCLAMATION;
        QMessageBox box(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, caption, text,
                        QMessageBox::Ok, owner);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }

    int RunModal(Dialog& dialog) override { return dialog.exec(); }

    QAction* TrackPopupMenu(QMenu& menu, const QPoint& globalPosition) override {
        return menu.exec(globalPosition);
    }

    std::optional<QString> ChooseFolder(const FolderRequest& request) override {
        return RunFolderChooser(request);
    }

    std::optional<QString> ChooseFileToOpen(const FileRequest& request) override {
        return RunFileChooser(request);
    }
};

QtModalSeam programSeam;
// The seams that scopes put in force, the latest last. A scope that ends out of order
// takes only its own seam away, so no seam outlives its scope.
std::vector<ModalSeam*> scopedSeams;

} // namespace

ModalSeam& CurrentModalSeam() {
    return scopedSeams.empty() ? programSeam : *scopedSeams.back();
}

ModalSeam& ProgramModalSeam() {
    return programSeam;
}

ScopedModalSeam::ScopedModalSeam(ModalSeam& seam) : seam_(seam) {
    scopedSeams.push_back(&seam);
}

ScopedModalSeam::~ScopedModalSeam() {
    const auto latest = std::find(scopedSeams.rbegin(), scopedSeams.rend(), &seam_);
    scopedSeams.erase(std::next(latest).base());
}

} // namespace glyphsmith::ui
