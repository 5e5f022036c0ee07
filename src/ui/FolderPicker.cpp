#include "FolderPicker.h"

#include "ModalSeam.h"
#include "Utf8.h"

namespace glyphsmith {

namespace {

constexpr const char* kDefaultPrompt = "Open";
constexpr int kFolderImageIndex = 0;

} // namespace

bool FolderPicker::Browse(QWidget* owner) {
    TrimInitialFolder();
    ui::FolderRequest request;
    request.owner = owner;
    request.prompt = ui::FromUtf8(prompt.empty() ? kDefaultPrompt : prompt);
    request.caption = ui::FromUtf8(caption);
    request.rootFolder = ui::FromUtf8(rootFolder);
    request.initialFolder = ui::FromUtf8(initialFolder);
    request.showStatusText = showStatusText;
    request.validateSelection = [this](const QString& path, QString& statusText) {
        std::string status;
        const bool acceptable = ValidateSelection(path.toStdString(), status);
        statusText = ui::FromUtf8(status);
        return acceptable;
    };
    const std::optional<QString> chosen = ui::CurrentModalSeam().ChooseFolder(request);
    if (!chosen || chosen->isEmpty()) {
        return false;
    }
    imageIndex = kFolderImageIndex;
    selectedPath = chosen->toStdString();
    return true;
}

bool FolderPicker::ValidateSelection(const std::string&, std::string&) {
    return true;
}

void FolderPicker::TrimInitialFolder() {
    const std::size_t lastKept = initialFolder.find_last_not_of(" \t\n\v\f\r");
    initialFolder.erase(lastKept == std::string::npos ? 0 : lastKept + 1);
    if (!initialFolder.empty() && (initialFolder.back() == '/' || initialFolder.back() == '\\')) {
        initialFolder.pop_back();
    }
}

} // namespace glyphsmith
