// SPDX-License-Identifier: MIT
#include "Win32FolderChooser.h"

#include "SystemDialogs.h"
#include "Unicode.h"

#include <filesystem>
#include <memory>
#include <shlobj.h>

namespace glyphsmith::ui {

namespace {

struct ItemListFree {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using ItemList = std::unique_ptr<ITEMIDLIST, ItemListFree>;

// The file-system path of a shell item, of any length; empty for an item without one.
std::string PathOf(PCIDLIST_ABSOLUTE item) {
    PWSTR path = nullptr;
    if (item == nullptr || FAILED(SHGetNameFromIDList(item, SIGDN_FILESYSPATH, &path))) {
        return {};
    }
    std::string text = Utf8FromWide(path);
    CoTaskMemFree(path);
    return text;
}

// No list for an empty root; nothing for a root that cannot be parsed.
std::optional<ItemList> ParseRoot(const std::string& rootFolder) {
    if (rootFolder.empty()) {
        return ItemList();
    }
    PIDLIST_ABSOLUTE root = nullptr;
    if (FAILED(SHParseDisplayName(WideFromUtf8(rootFolder).c_str(), nullptr, &root, 0, nullptr))) {
        return std::nullopt;
    }
    return ItemList(root);
}

// The browser selects a full path only; a relative folder stands below the working
// directory, where the runs take it from too.
std::wstring FullPath(const std::string& folder) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(WideFromUtf8(folder), error);
    return error ? WideFromUtf8(folder) : full.lexically_normal().wstring();
}

} // namespace

// The shell's folder browser. Only file-system folders can be confirmed, their ancestors
// included; the status line only on request. A root that cannot be parsed keeps the
// browser from starting.
std::optional<std::string> RunFolderChooser(const FolderRequest& request) {
    const std::optional<ItemList> root = ParseRoot(request.rootFolder);
    if (!root) {
        return std::nullopt;
    }
    const std::wstring prompt = WideFromUtf8(request.prompt);
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW browser{};
    browser.hwndOwner = OwnerWindow(request.owner);
    browser.pidlRoot = root->get();
    browser.pszDisplayName = displayName;
    browser.lpszTitle = prompt.c_str();
    browser.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS |
                      (request.showStatusText ? BIF_STATUSTEXT : 0);
    browser.lpfn = BrowseCallback;
    browser.lParam = reinterpret_cast<LPARAM>(&request);
    const ItemList chosen(SHBrowseForFolderW(&browser));
    if (!chosen) {
        return std::nullopt;
    }
    return PathOf(chosen.get());
}

int CALLBACK BrowseCallback(HWND browser, UINT event, LPARAM data, LPARAM context) {
    const auto& request = *reinterpret_cast<const FolderRequest*>(context);
    if (event == BFFM_INITIALIZED) {
        if (!request.initialFolder.empty()) {
            const std::wstring folder = FullPath(request.initialFolder);
            SendMessageW(browser, BFFM_SETSELECTIONW, TRUE,
                         reinterpret_cast<LPARAM>(folder.c_str()));
        }
        if (!request.caption.empty()) {
            SetWindowTextW(browser, WideFromUtf8(request.caption).c_str());
        }
    } else if (event == BFFM_SELCHANGED) {
        std::string status;
        const bool acceptable =
            request.validateSelection(PathOf(reinterpret_cast<PCIDLIST_ABSOLUTE>(data)), status);
        if (request.showStatusText) {
            SendMessageW(browser, BFFM_SETSTATUSTEXTW, 0,
                         reinterpret_cast<LPARAM>(WideFromUtf8(status).c_str()));
        }
        SendMessageW(browser, BFFM_ENABLEOK, 0, acceptable ? TRUE : FALSE);
    }
    return 0;
}

} // namespace glyphsmith::ui
