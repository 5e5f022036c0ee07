// SPDX-License-Identifier: MIT
#include "ModalSeam.h"

#include "Dialog.h"
#include "DialogWindow.h"
#include "SystemDialogs.h"

namespace glyphsmith::ui {

namespace {

// The program's own seam: the side's modal loop and the window system's dialogs.
class ProgramSeam final : public ModalSeam {
  public:
    void ShowMessageBox(Dialog* owner, const std::string& text, const std::string& caption,
                        unsigned type) override {
        ShowSystemMessageBox(owner, text, caption, type);
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

ModalSeam& CurrentModalSeam() {
    return ScopedModalSeam::Current(ProgramModalSeam());
}

ModalSeam& ProgramModalSeam() {
    static ProgramSeam seam;
    return seam;
}

} // namespace glyphsmith::ui
