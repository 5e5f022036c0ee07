// SPDX-License-Identifier: MIT
// What only the Win32 side shows of the main window: the real system menu, whose About
// entry opens the About box, and icon 128 on the window and in the About box.
#include "DialogTest.h"
#include "MainDialog.h"
#include "MainDialogTemplate.h"
#include "Resources.h"
#include "UserActions.h"
#include "Win32Windows.h"

namespace glyphsmith {
namespace {

using Strings = std::vector<std::string>;

// The width of an icon's image.
LONG IconWidth(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP image{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof image, &image);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return image.bmWidth;
}

HICON WindowIcon(HWND window, WPARAM kind) {
    return reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, kind, 0));
}

class MainDialogWin32Test : public test::DialogTest {};

// The entry's own command, with any low bits, reaches the About box through the window.
TEST_F(MainDialogWin32Test, TheSystemMenuEndsWithTheAboutEntry) {
    MainDialog dialog;
    Strings opened;
    Run(dialog, [&](ui::Dialog&) {
        HWND window = ui::WindowOf(dialog);
        HMENU menu = GetSystemMenu(window, FALSE);
        const int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 2);
        MENUITEMINFOW separator{};
        separator.cbSize = sizeof separator;
        separator.fMask = MIIM_FTYPE;
        GetMenuItemInfoW(menu, count - 2, TRUE, &separator);
        EXPECT_NE(separator.fType & MFT_SEPARATOR, 0u);
        wchar_t text[64] = {};
        GetMenuStringW(menu, count - 1, text, 64, MF_BYPOSITION);
        EXPECT_STREQ(text, L"&About Glyphsmith for TeXht...");
        const UINT command = GetMenuItemID(menu, count - 1);
        EXPECT_EQ(command, 16u);
        for (const WPARAM lowBits : {0u, 15u}) {
            scene().seam.OnNextDialog([&](ui::Dialog& about) {
                opened.push_back(test::Caption(about));
                test::Press(about, test::Key::Escape);
            });
            SendMessageW(window, WM_SYSCOMMAND, command | lowBits, 0);
        }
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(opened, Strings(2, "About Glyphsmith for TeX4ht"));
}

// Both sizes in the caption and on the task bar; the large one in the About box.
TEST_F(MainDialogWin32Test, TheWindowAndTheAboutBoxShowIcon128) {
    MainDialog dialog;
    LONG aboutIconWidth = 0;
    Run(dialog, [&](ui::Dialog&) {
        HWND window = ui::WindowOf(dialog);
        EXPECT_EQ(IconWidth(WindowIcon(window, ICON_BIG)), GetSystemMetrics(SM_CXICON));
        EXPECT_EQ(IconWidth(WindowIcon(window, ICON_SMALL)), GetSystemMetrics(SM_CXSMICON));
        EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
        scene().seam.OnNextDialog([&](ui::Dialog& about) {
            HWND icon = ui::WindowOf(about.Window().Controls().front());
            aboutIconWidth =
                IconWidth(reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0)));
            about.EndDialog(IDOK);
        });
        test::Click(dialog.GetDlgItem(res::kAboutButton));
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(aboutIconWidth, 32);
}

} // namespace
} // namespace glyphsmith
