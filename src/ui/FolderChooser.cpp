// SPDX-License-Identifier: MIT
#include "FolderChooser.h"

#include "ModalSeam.h"

namespace glyphsmith {

namespace {

constexpr const char* kDefaultPrompt = "Open";

} // namespace

bool FolderChooser::Browse(ui::Dialog* owner) {
    TrimInitialFolder();
    ui::FolderRequest request;
    request.owner = owner;
    request.prompt = prompt.empty() ? kDefaultPrompt : prompt;
    request.caption = caption;
    request.rootFolder = rootFolder;
    request.initialFolder = initialFolder;
    request.showStatusText = showStatusText;
    request.validateSelection = [this](const std::string& path, std::string& statusText) {
        return ValidateSelection(path, statusText);
    };
    const std::optional<std::string> chosen = ui::CurrentModalSeam().ChooseFolder(request);
    if (!chosen || chosen->empty()) {
        return false;
    }
    selectedPath = *chosen;
    return true;
}

bool FolderChooser::ValidateSelection(const std::string&, std::string&) {
    return true;
}

void FolderChooser::TrimInitialFolder() {
    const std::size_t lastKept = initialFolder.find_last_not_of(" \t\n\v\f\r");
    initialFolder.erase(lastKept == std::string::npos ? 0 : lastKept + 1);
    if (!initialFolder.empty() && (initialFolder.back() == '/' || initialFolder.back() == '\\')) {
        initialFolder.pop_back();
    }
}

} // namespace glyphsmith
