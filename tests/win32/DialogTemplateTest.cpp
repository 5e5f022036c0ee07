// SPDX-License-Identifier: MIT
// The five dialog templates made into windows by the dialog manager itself: their controls
// in template order with their ids, classes, styles and texts, placed by the dialog
// manager's own conversion of dialog units.
#include "AboutDialogTemplate.h"
#include "AliasDialogTemplate.h"
#include "CloneDialogTemplate.h"
#include "FontListDialogTemplate.h"
#include "InMemoryDialogTemplate.h"
#include "MainDialogTemplate.h"
#include "Unicode.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <windows.h>

namespace glyphsmith::ui::win32 {
namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using Window = std::unique_ptr<HWND__, WindowDestroyer>;

Window CreateDialogWindow(const DialogTemplate& dialogTemplate) {
    const InMemoryDialogTemplate memory(dialogTemplate);
    return Window(CreateDialogIndirectParamW(GetModuleHandleW(nullptr), memory.Get(), nullptr,
                                             PlainDialogProc, 0));
}

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Utf8FromWide(text);
}

// Pixels: x and y in the dialog's client area, width, height.
using Box = std::array<LONG, 4>;

Box BoxInDialog(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The dialog manager converts position and size each on its own.
Box Mapped(HWND dialog, const DialogRect& rect) {
    RECT mapped{rect.x, rect.y, rect.width, rect.height};
    MapDialogRect(dialog, &mapped);
    return {mapped.left, mapped.top, mapped.right, mapped.bottom};
}

struct Expected {
    const wchar_t* className;
    DWORD type; // the style's low five bits: the kind of button, static or edit control
    bool tabStop;
};

// One row a kind, in ControlKind's order.
Expected ExpectedOf(const ControlTemplate& control) {
    const DWORD alignment = (control.style & kCenter)  ? SS_CENTER
                            : (control.style & kRight) ? SS_RIGHT
                                                       : SS_LEFT;
    const DWORD button = (control.style & kDefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    const Expected byKind[] = {
        {L"Button", BS_GROUPBOX, false},    {L"Static", alignment, false},
        {L"Edit", ES_LEFT, true},           {L"Button", button, true},
        {L"Button", BS_AUTOCHECKBOX, true}, {L"Static", SS_ICON, false},
    };
    return byKind[static_cast<int>(control.kind)];
}

bool HasStyle(HWND window, DWORD bits) {
    return (static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & bits) == bits;
}

void ExpectControl(HWND dialog, HWND window, const ControlTemplate& control) {
    const Expected expected = ExpectedOf(control);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    EXPECT_STREQ(className, expected.className);
    EXPECT_EQ(GetDlgCtrlID(window), static_cast<WORD>(control.id));
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & 0x1F, static_cast<LONG>(expected.type));
    EXPECT_TRUE(HasStyle(window, WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(HasStyle(window, WS_TABSTOP), expected.tabStop);
    Box box = Mapped(dialog, control.rect);
    if (control.kind == ControlKind::Icon) {
        // The control takes the size of the icon it loaded.
        box[2] = GetSystemMetrics(SM_CXICON);
        box[3] = GetSystemMetrics(SM_CYICON);
    } else {
        EXPECT_EQ(WindowText(window), control.text);
    }
    EXPECT_EQ(BoxInDialog(window), box);
    if (control.kind == ControlKind::Label) {
        EXPECT_TRUE(HasStyle(window, SS_NOPREFIX));
        EXPECT_EQ(HasStyle(window, SS_CENTERIMAGE), (control.style & kVerticalCenter) != 0);
    }
    if (control.kind == ControlKind::Edit) {
        // The dialog manager draws the border as a sunken edge.
        EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
        EXPECT_TRUE(HasStyle(window, ES_AUTOHSCROLL));
        EXPECT_EQ(HasStyle(window, ES_READONLY), (control.style & kReadOnly) != 0);
    }
}

// A template with its number, which names its test.
struct NumberedTemplate {
    const char* number;
    const DialogTemplate* dialogTemplate;
};

class DialogTemplateTest : public ::testing::TestWithParam<NumberedTemplate> {};

TEST_P(DialogTemplateTest, TheDialogManagerMakesEveryControlInTemplateOrder) {
    const DialogTemplate& dialogTemplate = *GetParam().dialogTemplate;
    const Window dialog = CreateDialogWindow(dialogTemplate);
    ASSERT_NE(dialog, nullptr) << "error " << GetLastError();
    constexpr DWORD kFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    const auto style = static_cast<DWORD>(GetWindowLongW(dialog.get(), GWL_STYLE));
    EXPECT_EQ(style & (kFrame | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_VISIBLE), kFrame);
    EXPECT_EQ((GetWindowLongW(dialog.get(), GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0,
              dialogTemplate.appWindow);
    EXPECT_EQ(WindowText(dialog.get()), dialogTemplate.caption);
    RECT client;
    GetClientRect(dialog.get(), &client);
    EXPECT_EQ((Box{0, 0, client.right, client.bottom}),
              Mapped(dialog.get(), {0, 0, dialogTemplate.width, dialogTemplate.height}));

    HWND window = GetWindow(dialog.get(), GW_CHILD);
    for (const ControlTemplate& control : dialogTemplate.controls) {
        SCOPED_TRACE(testing::Message() << "control " << control.id << " " << control.text);
        ASSERT_NE(window, nullptr);
        ExpectControl(dialog.get(), window, control);
        window = GetWindow(window, GW_HWNDNEXT);
    }
    EXPECT_EQ(window, nullptr);
}

constexpr NumberedTemplate kTemplates[] = {
    {"100", &res::kAboutDialogTemplate}, {"102", &res::kMainDialogTemplate},
    {"129", &res::kCloneDialogTemplate}, {"130", &res::kFontListDialogTemplate},
    {"131", &res::kAliasDialogTemplate},
};

INSTANTIATE_TEST_SUITE_P(Templates, DialogTemplateTest, testing::ValuesIn(kTemplates),
                         [](const auto& info) { return std::string(info.param.number); });

TEST(MainDialogLayoutTest, TheExitButtonStandsWhereVerdanaEightPointPutsIt) {
    const Window dialog = CreateDialogWindow(res::kMainDialogTemplate);
    ASSERT_NE(dialog, nullptr) << "error " << GetLastError();
    EXPECT_EQ(Mapped(dialog.get(), {0, 0, 4, 8}), (Box{0, 0, 7, 13}));
    EXPECT_EQ(BoxInDialog(GetDlgItem(dialog.get(), IDCANCEL)), (Box{233, 473, 187, 23}));
}

} // namespace
} // namespace glyphsmith::ui::win32
