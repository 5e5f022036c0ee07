// The program's own seam on Qt: Qt's message boxes and file dialogs.
#include "Dialog.h"
#include "DialogWindow.h"
#include "ModalSeam.h"
#include "QtFileChooser.h"
#include "QtFolderChooser.h"
#include "WidgetHandles.h"

#include <QMessageBox>

namespace glyphsmith::ui {

namespace {

constexpr unsigned kIconMask = 0xF0;

class QtModalSeam final : public ModalSeam {
  public:
    void ShowMessageBox(Dialog* owner, const std::string& text, const std::string& caption,
                        unsigned type) override {
        const bool exclamation = (type & kIconMask) == MB_ICONEXCLAMATION;
        QMessageBox box(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, FromUtf8(caption),
                        FromUtf8(text), QMessageBox::Ok, OwnerWidget(owner));
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }

    int RunModal(Dialog& dialog) override { return dialog.Window().RunModalLoop(); }

    std::optional<std::string> ChooseFolder(const FolderRequest& request) override {
        return RunFolderChooser(request);
    }

    std::optional<std::string> ChooseFile(const FileRequest& request) override {
        return RunFileChooser(request);
    }
};

} // namespace

ModalSeam& ProgramModalSeam() {
    static QtModalSeam seam;
    return seam;
}

} // namespace glyphsmith::ui
