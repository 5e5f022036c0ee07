// SPDX-License-Identifier: MIT
#include "Win32FileChooser.h"

#include "SystemDialogs.h"
#include "Unicode.h"
#include "Win32Windows.h"

#include <algorithm>
#include <commdlg.h>
#include <filesystem>

namespace glyphsmith::ui {

namespace {

// The longest path that Windows takes, with its terminating NUL.
constexpr std::size_t kPathCapacity = 32768;

// The Open dialog makes the chosen file's folder the working directory; the runs keep
// their log and read the copyright template there, so it is put back.
class WorkingDirectoryKept {
  public:
    WorkingDirectoryKept() : directory_(std::filesystem::current_path(error_)) {}
    ~WorkingDirectoryKept() {
        if (!error_) {
            std::filesystem::current_path(directory_, error_);
        }
    }
    WorkingDirectoryKept(const WorkingDirectoryKept&) = delete;
    WorkingDirectoryKept& operator=(const WorkingDirectoryKept&) = delete;

  private:
    std::error_code error_;
    std::filesystem::path directory_;
};

} // namespace

std::wstring OpenDialogFilter(std::string_view filter) {
    std::wstring pairs = WideFromUtf8(filter);
    std::replace(pairs.begin(), pairs.end(), L'|', L'\0');
    pairs.push_back(L'\0'); // a list without its closing "||" still ends
    return pairs;
}

// The common Open dialog, with no title, no folder of its own and no option flags: the
// dialog's default title and folder, the read-only box, and a name that does not exist is
// taken as well.
std::optional<std::string> RunFileChooser(const FileRequest& request) {
    const std::wstring filter = OpenDialogFilter(request.filter);
    const std::wstring extension = WideFromUtf8(request.defaultExtension);
    std::wstring file = WideFromUtf8(request.initialName);
    file.resize(std::max(kPathCapacity, file.size() + 1), L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = OwnerWindow(request.owner);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER;

    const WorkingDirectoryKept kept;
    if (!GetOpenFileNameW(&dialog)) {
        return std::nullopt;
    }
    return Utf8FromWide(file.c_str());
}

} // namespace glyphsmith::ui
