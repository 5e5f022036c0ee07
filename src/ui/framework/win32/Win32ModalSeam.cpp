// The program's own seam on Win32: the system's message boxes, the shell's folder browser
// and the common Open dialog, each owned by its dialog's window.
#include "Dialog.h"
#include "DialogWindow.h"
#include "ModalSeam.h"
#include "Utf16.h"
#include "Win32FileChooser.h"
#include "Win32FolderChooser.h"
#include "Win32Windows.h"

namespace glyphsmith::ui {

namespace {

class Win32ModalSeam final : public ModalSeam {
  public:
    void ShowMessageBox(Dialog* owner, const std::string& text, const std::string& caption,
                        unsigned type) override {
        MessageBoxW(OwnerWindow(owner), win32::ToUtf16(text).c_str(),
                    win32::ToUtf16(caption).c_str(), type);
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
    static Win32ModalSeam seam;
    return seam;
}

} // namespace glyphsmith::ui
