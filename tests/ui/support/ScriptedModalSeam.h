// SPDX-License-Identifier: MIT
#pragma once

#include "Dialog.h"
#include "ModalSeam.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace glyphsmith::test {

// Answers every modal wait from a script instead of a modal loop, and records what was
// shown. Whatever the script did not expect is answered with Cancel and noted in
// Complaints(), which a test checks at its end.
class ScriptedModalSeam final : public ui::ModalSeam {
  public:
    using DialogStep = std::function<void(ui::Dialog&)>;
    // A chooser's answer to its request: the chosen path, or nothing for Cancel.
    using FolderStep = std::function<std::optional<std::string>(const ui::FolderRequest&)>;
    using FileStep = std::function<std::optional<std::string>(const ui::FileRequest&)>;

    // Puts itself in force for its lifetime.
    ScriptedModalSeam() : scope_(*this) {}

    // The next dialog run modally is shown without a modal loop and handed to the step,
    // which should end it. One still open after a few seconds is cancelled.
    void OnNextDialog(DialogStep step) { dialogSteps_.push_back(std::move(step)); }
    void OnNextFolderChooser(FolderStep step) { folderSteps_.push_back(std::move(step)); }
    void OnNextFileChooser(FileStep step) { fileSteps_.push_back(std::move(step)); }
    // The next message box is recorded, then throws this error out of its caller, as an
    // error that nothing expects would.
    void FailAtNextMessage(std::string error) { failAtNextMessage_ = std::move(error); }

    // Every message box as Box() writes it, in the order shown.
    const std::vector<std::string>& Messages() const { return messages_; }
    // For each message box, whether the wait cursor was up while it showed.
    const std::vector<bool>& WaitCursorAtMessages() const { return waitCursorAtMessages_; }
    const std::vector<std::string>& Complaints() const { return complaints_; }

    void ShowMessageBox(ui::Dialog* owner, const std::string& text, const std::string& caption,
                        unsigned type) override;
    int RunModal(ui::Dialog& dialog) override;
    std::optional<std::string> ChooseFolder(const ui::FolderRequest& request) override;
    std::optional<std::string> ChooseFile(const ui::FileRequest& request) override;

  private:
    ui::ScopedModalSeam scope_;
    std::deque<DialogStep> dialogSteps_;
    std::deque<FolderStep> folderSteps_;
    std::deque<FileStep> fileSteps_;
    std::vector<std::string> messages_;
    std::vector<bool> waitCursorAtMessages_;
    std::vector<std::string> complaints_;
    std::optional<std::string> failAtNextMessage_;
};

// A message box as Messages() lists it: "caption | text | type in hex".
std::string Box(const std::string& caption, const std::string& text, unsigned type);

} // namespace glyphsmith::test
