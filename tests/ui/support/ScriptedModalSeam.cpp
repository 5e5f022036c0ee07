// SPDX-License-Identifier: MIT
#include "ScriptedModalSeam.h"

#include "UserActions.h"

#include <chrono>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace glyphsmith::test {

namespace {

constexpr std::chrono::seconds kDeadline(5);

// The next step of a chooser's script, which a request without an owner or beyond the
// script is noted against.
template <class Step, class Request>
std::optional<std::string> AnswerChooser(std::deque<Step>& steps, const Request& request,
                                         const std::string& kind,
                                         std::vector<std::string>& complaints) {
    if (request.owner == nullptr) {
        complaints.push_back("a " + kind + " without an owner");
    }
    if (steps.empty()) {
        complaints.push_back("an unexpected " + kind);
        return std::nullopt;
    }
    const Step step = std::move(steps.front());
    steps.pop_front();
    return step(request);
}

} // namespace

std::string Box(const std::string& caption, const std::string& text, unsigned type) {
    std::ostringstream box;
    box << caption << " | " << text << " | " << std::hex << type;
    return box.str();
}

void ScriptedModalSeam::ShowMessageBox(ui::Dialog* owner, const std::string& text,
                                       const std::string& caption, unsigned type) {
    if (owner == nullptr) {
        complaints_.push_back("a message box without an owner: " + text);
    }
    messages_.push_back(Box(caption, text, type));
    waitCursorAtMessages_.push_back(ui::WaitCursorShown());
    if (failAtNextMessage_) {
        const std::string error = *std::exchange(failAtNextMessage_, std::nullopt);
        throw std::runtime_error(error);
    }
}

int ScriptedModalSeam::RunModal(ui::Dialog& dialog) {
    if (dialogSteps_.empty()) {
        complaints_.push_back("an unexpected dialog: " + test::Caption(dialog));
        return ui::IDCANCEL;
    }
    const DialogStep step = std::move(dialogSteps_.front());
    dialogSteps_.pop_front();

    ShowWithoutModalLoop(dialog);
    step(dialog);
    if (!ProcessEventsUntil([&] { return dialog.Result().has_value(); }, kDeadline)) {
        complaints_.push_back("a dialog left open: " + test::Caption(dialog));
        dialog.EndDialog(ui::IDCANCEL);
    }
    return *dialog.Result();
}

std::optional<std::string> ScriptedModalSeam::ChooseFolder(const ui::FolderRequest& request) {
    return AnswerChooser(folderSteps_, request, "folder chooser", complaints_);
}

std::optional<std::string> ScriptedModalSeam::ChooseFile(const ui::FileRequest& request) {
    return AnswerChooser(fileSteps_, request, "file chooser", complaints_);
}

} // namespace glyphsmith::test
