// SPDX-License-Identifier: MIT
// What only the Win32 side does for the choosers: the folder browser's callback, tried on a
// window of the test's own that records what it is sent, and the common Open dialog.
#include "DialogTest.h"
#include "SystemDialogs.h"
#include "Unicode.h"
#include "Win32FileChooser.h"
#include "Win32FolderChooser.h"
#include "Win32Windows.h"

#include <commctrl.h>
#include <optional>
#include <shlobj.h>

namespace glyphsmith::ui {
namespace {

using Strings = std::vector<std::string>;

// A window that records the browser's messages it gets: "message wParam text-or-lParam".
class RecordingWindow {
  public:
    RecordingWindow()
        : window_(CreateWindowExW(0, L"STATIC", L"untitled", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, nullptr, nullptr)) {
        SetWindowSubclass(window_, Record, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~RecordingWindow() { DestroyWindow(window_); }
    RecordingWindow(const RecordingWindow&) = delete;
    RecordingWindow& operator=(const RecordingWindow&) = delete;

    HWND Handle() const { return window_; }
    Strings received;

  private:
    static LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR self) {
        const bool carriesText =
            message == BFFM_SETSTATUSTEXTW || (message == BFFM_SETSELECTIONW && wParam == TRUE);
        if (message == BFFM_ENABLEOK || message == BFFM_SETSTATUSTEXTW ||
            message == BFFM_SETSELECTIONW) {
            reinterpret_cast<RecordingWindow*>(self)->received.push_back(
                std::to_string(message) + ' ' + std::to_string(wParam) + ' ' +
                (carriesText ? Utf8FromWide(reinterpret_cast<const wchar_t*>(lParam))
                             : std::to_string(lParam)));
            return 0;
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }

    HWND window_;
};

struct ItemListFree {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using ItemList = std::unique_ptr<ITEMIDLIST, ItemListFree>;

ItemList ItemOf(const std::filesystem::path& path) {
    PIDLIST_ABSOLUTE item = nullptr;
    SHParseDisplayName(path.c_str(), nullptr, &item, 0, nullptr);
    return ItemList(item);
}

void Call(const RecordingWindow& browser, UINT event, const ITEMIDLIST* item,
          const FolderRequest& request) {
    EXPECT_EQ(BrowseCallback(browser.Handle(), event, reinterpret_cast<LPARAM>(item),
                             reinterpret_cast<LPARAM>(&request)),
              0);
}

class ChoosersWin32Test : public test::DialogTest {};

TEST_F(ChoosersWin32Test, TheOpenedBrowserSelectsTheInitialFolderAndShowsTheCaption) {
    RecordingWindow browser;
    FolderRequest request;
    Call(browser, BFFM_INITIALIZED, nullptr, request);
    EXPECT_EQ(browser.received, Strings());
    EXPECT_EQ(WindowText(browser.Handle()), "untitled");

    request.initialFolder = "C:\\字体\\song";
    request.caption = "Pick a folder";
    Call(browser, BFFM_INITIALIZED, nullptr, request);
    request.initialFolder = "..\\字体";
    Call(browser, BFFM_INITIALIZED, nullptr, request);
    const std::filesystem::path besideWork = scene().work.Path().parent_path() / L"字体";
    EXPECT_EQ(browser.received,
              Strings({"1127 1 C:\\字体\\song", "1127 1 " + Utf8FromWide(besideWork.wstring())}));
    EXPECT_EQ(WindowText(browser.Handle()), "Pick a folder");
}

// A folder on disk is offered with its path, a virtual one with none; the verdict enables
// OK, and the status text shows only where asked for.
TEST_F(ChoosersWin32Test, EverySelectionIsJudgedAndTheVerdictEnablesOk) {
    const std::filesystem::path folder = scene().work.Path() / L"字体";
    std::filesystem::create_directory(folder);
    const ItemList onDisk = ItemOf(folder);
    ItemList computer;
    {
        PIDLIST_ABSOLUTE item = nullptr;
        SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &item);
        computer.reset(item);
    }
    ASSERT_TRUE(onDisk && computer);

    Strings judged;
    FolderRequest request;
    request.showStatusText = true;
    request.validateSelection = [&](const std::string& path, std::string& status) {
        judged.push_back(path);
        status = "状态 " + std::to_string(judged.size());
        return !path.empty();
    };
    RecordingWindow browser;
    Call(browser, BFFM_SELCHANGED, onDisk.get(), request);
    Call(browser, BFFM_SELCHANGED, computer.get(), request);
    request.showStatusText = false;
    Call(browser, BFFM_SELCHANGED, onDisk.get(), request);

    const std::string path = Utf8FromWide(folder.wstring());
    EXPECT_EQ(judged, Strings({path, "", path}));
    EXPECT_EQ(browser.received,
              Strings({"1128 0 状态 1", "1125 0 1", "1128 0 状态 2", "1125 0 0", "1125 0 1"}));
}

TEST(OpenDialogFilterTest, BarsBecomeTheSeparatorsOfTheList) {
    const wchar_t expected[] = L"Text Files (*.sfd)\0*.sfd\0All Files (*.*)\0*.*\0\0";
    EXPECT_EQ(OpenDialogFilter("Text Files (*.sfd)|*.sfd|All Files (*.*)|*.*||"),
              std::wstring(expected, std::size(expected)));
}

constexpr wchar_t kOpenCaption[] = L"Open";
constexpr wchar_t kBrowserCaption[] = L"Pick a folder";

// Whether the dialog may be confirmed yet. Under wine a folder browser can show well before
// it selects the folder it opens at; a test that waits for that says so here. After three
// seconds the dialog is confirmed anyway, so that a test fails rather than hangs.
bool readyToConfirm = true;
int ticksWaited = 0;

// Confirms the dialog of this caption as soon as it shows and is ready.
template <const wchar_t* Caption> void CALLBACK Confirm(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowW(L"#32770", Caption);
    if (dialog != nullptr && IsWindowVisible(dialog) && (readyToConfirm || ++ticksWaited > 30)) {
        KillTimer(nullptr, timer);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    }
}

template <const wchar_t* Caption, class Chooser> auto Confirmed(Chooser choose) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, Confirm<Caption>);
    const auto chosen = choose();
    KillTimer(nullptr, timer);
    return chosen;
}

// The browser opens at the initial folder and gives back the one confirmed; a root that
// cannot be parsed keeps it from opening.
TEST_F(ChoosersWin32Test, TheBrowserGivesBackTheFolderConfirmed) {
    const std::filesystem::path folder = scene().work.Path() / L"字体";
    std::filesystem::create_directory(folder);
    const std::string path = Utf8FromWide(folder.wstring());
    Strings judged;
    FolderRequest request;
    request.caption = Utf8FromWide(kBrowserCaption);
    request.initialFolder = path;
    request.validateSelection = [&](const std::string& selected, std::string&) {
        judged.push_back(selected);
        readyToConfirm = selected == path;
        return true;
    };
    // Now and then wine's browser opens at the desktop and selects nothing at all, whatever
    // it was asked (the message that asks is checked above); it is opened again then.
    std::optional<std::string> chosen;
    for (int tries = 0; tries < 3 && judged.empty(); ++tries) {
        readyToConfirm = false;
        ticksWaited = 0;
        chosen = Confirmed<kBrowserCaption>([&] { return RunFolderChooser(request); });
    }
    readyToConfirm = true;
    EXPECT_EQ(chosen, path);
    ASSERT_FALSE(judged.empty());
    EXPECT_EQ(judged.back(), path);

    request.rootFolder = "Q:\\no such folder";
    EXPECT_EQ(RunFolderChooser(request), std::nullopt);
}

// The prefilled name of a file that exists with the default extension picks that file,
// and the folder that the dialog took it from does not become the working directory.
TEST_F(ChoosersWin32Test, TheOpenDialogCompletesTheNameAndKeepsTheWorkingDirectory) {
    const std::filesystem::path folder = scene().work.Path() / L"表";
    test::WriteFile(folder / L"UGBK.sfd", "");
    FileRequest request;
    request.defaultExtension = "sfd";
    request.initialName = Utf8FromWide((folder / L"UGBK").wstring());
    request.filter = "Text Files (*.sfd)|*.sfd|All Files (*.*)|*.*||";
    EXPECT_EQ(Confirmed<kOpenCaption>([&] { return RunFileChooser(request); }),
              Utf8FromWide((folder / L"UGBK.sfd").wstring()));
    EXPECT_EQ(std::filesystem::current_path(), scene().work.Path());
}

} // namespace
} // namespace glyphsmith::ui
