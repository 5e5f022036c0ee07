// SPDX-License-Identifier: MIT
#include "AliasDialog.h"
#include "AliasDialogTemplate.h"
#include "CloneDialog.h"
#include "CloneDialogTemplate.h"
#include "DialogTest.h"
#include "FontListDialog.h"
#include "FontListDialogTemplate.h"
#include "ProgramName.h"
#include "SettingsStore.h"
#include "UserActions.h"

#include <memory>
#include <optional>
#include <tuple>
#include <utility>

namespace glyphsmith {
namespace {

using namespace res;
using test::Key;
using ui::IDCANCEL;
using ui::IDOK;
using Strings = std::vector<std::string>;

constexpr const char* kNoValue = "(no value)";
const std::string kFontListDefault = "song hei fs kai li you";

std::string StoredFontList() {
    return SettingsStore().ReadString(kSettingsSection, kFontListValue, kNoValue);
}

// Every control as the prompt shows it, in template order: labels, buttons and group
// boxes by their text, edit boxes by their id and content.
Strings ShownControls(const ui::Dialog& dialog) {
    Strings shown;
    for (const ui::Control& control : dialog.Window().Controls()) {
        if (control.Kind() == ui::ControlKind::Edit) {
            shown.push_back("[" + std::to_string(control.Id()) + "] " + control.Text());
        } else {
            shown.push_back(control.Text() + (test::IsDefaultButton(control) ? " (default)" : ""));
        }
    }
    return shown;
}

std::unique_ptr<ui::Dialog> MakePrompt(int templateId) {
    switch (templateId) {
    case 129:
        return std::make_unique<CloneDialog>();
    case 130:
        return std::make_unique<FontListDialog>();
    default:
        return std::make_unique<AliasDialog>();
    }
}

// The two names of a cloning or alias prompt: the one given at the start, then the one
// to be typed.
Strings NamesOf(const ui::Dialog& prompt) {
    if (const auto* clone = dynamic_cast<const CloneDialog*>(&prompt)) {
        return {clone->clonedFrom, clone->clonedTo};
    }
    const auto& alias = dynamic_cast<const AliasDialog&>(prompt);
    return {alias.targetFont, alias.aliasFont};
}

// The ids of the controls that Tab visits from the first focus, back to where it began.
std::vector<int> FocusRound(ui::Dialog& dialog, std::size_t stops) {
    std::vector<int> focused;
    for (std::size_t i = 0; i <= stops; ++i) {
        focused.push_back(test::FocusedControl(dialog).Id());
        test::Press(dialog, Key::Tab);
    }
    return focused;
}

class PromptDialogTest : public test::DialogTest {};

// The name still to be typed comes first in the tab order, though it stands below; it
// opens with its whole text selected, as the dialog manager gives the first focus.
TEST_F(PromptDialogTest, EachPromptShowsItsTemplate) {
    struct Row {
        int prompt;
        std::string caption;
        Strings controls;
        std::vector<int> focus;
    };
    const Row rows[] = {
        {130,
         "Fonts list to be generated...",
         {"1) All fonts begin with \"gbk\";", "2) Use ' '(space) to separate different fonts;",
          "[1004] " + kFontListDefault, "OK", "Cancel",
          "3) The list contains at most 255 characters."},
         {1004, 1, 2, 1004}},
        {129,
         "Cloning .htf files",
         {"Please input prefix here", "Cloned to:", "[1002] ", "Cloned from:", "[1003] song",
          "OK (default)", "Cancel"},
         {1002, 1003, 1, 2, 1002}},
        {131,
         "Creating alias",
         {"Please input prefix here", "Alias font:", "[1012] ", "Target font:", "[1011] song",
          "OK (default)", "Cancel"},
         {1012, 1011, 1, 2, 1012}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        const std::unique_ptr<ui::Dialog> dialog = MakePrompt(row.prompt);
        Run(*dialog, [&](ui::Dialog& shown) {
            EXPECT_EQ(test::Caption(shown), row.caption);
            EXPECT_EQ(ShownControls(shown), row.controls);
            const ui::Control first = test::FocusedControl(shown);
            EXPECT_EQ(test::SelectedText(first), first.Text());
            EXPECT_EQ(FocusRound(shown, row.focus.size() - 1), row.focus);
            shown.EndDialog(IDCANCEL);
        });
    }
}

TEST_F(PromptDialogTest, TheFontListStartsFromTheStore) {
    const std::pair<std::optional<std::string>, std::string> rows[] = {
        {std::nullopt, kFontListDefault}, // nothing stored yet
        {"kai  li ", "kai  li "},
        {"", ""},
    };
    for (const auto& [stored, shown] : rows) {
        SCOPED_TRACE(shown);
        if (stored) {
            SettingsStore().WriteString(kSettingsSection, kFontListValue, *stored);
        }
        FontListDialog dialog;
        EXPECT_EQ(dialog.fontList, shown);
        Run(dialog, [&](ui::Dialog&) {
            EXPECT_EQ(dialog.GetDlgItem(kFontListEdit).Text(), shown);
            test::Click(dialog.GetDlgItem(IDCANCEL));
        });
    }
}

// Each prompt reads the store anew, so it shows what the last OK stored. Blanks and
// an empty list are stored as typed.
TEST_F(PromptDialogTest, OkStoresTheListAsTyped) {
    const std::pair<std::string, bool> rows[] = {
        {"  song  hei ", false}, {"", false}, {"kai", true}, // Enter in the box
    };
    for (const auto& [typed, byEnter] : rows) {
        SCOPED_TRACE(typed);
        FontListDialog dialog;
        const int result = Run(dialog, [&](ui::Dialog&) {
            ui::Control edit = dialog.GetDlgItem(kFontListEdit);
            edit.SetText("");
            test::Type(edit, typed);
            if (byEnter) {
                test::Press(edit, Key::Enter);
            } else {
                test::Click(dialog.GetDlgItem(IDOK));
            }
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog.fontList, typed);
        EXPECT_EQ(StoredFontList(), typed);
        EXPECT_EQ(FontListDialog().fontList, typed);
        EXPECT_EQ(scene().seam.Messages(), Strings());
    }
}

// The box takes 256 characters, one more than the third rule line says.
TEST_F(PromptDialogTest, TypingStopsAt256Characters) {
    FontListDialog dialog;
    const std::string typed = std::string(100, 'a') + " " + std::string(199, 'b');
    Run(dialog, [&](ui::Dialog&) {
        ui::Control edit = dialog.GetDlgItem(kFontListEdit);
        edit.SetText("");
        test::Type(edit, typed);
        EXPECT_EQ(edit.Text(), typed.substr(0, 256));
        test::Click(dialog.GetDlgItem(IDOK));
    });
    EXPECT_EQ(StoredFontList(), typed.substr(0, 256));
}

// Only a list stored longer than the box allows can fail the check: the prompt says
// why, keeps the focus in the list and stays open until the list is short enough.
TEST_F(PromptDialogTest, AnOverlongStoredListFailsOnOk) {
    const std::string overlong = std::string(150, 'a') + " " + std::string(149, 'b');
    SettingsStore().WriteString(kSettingsSection, kFontListValue, overlong);
    FontListDialog dialog;
    const int result = Run(dialog, [&](ui::Dialog& shown) {
        ui::Control edit = dialog.GetDlgItem(kFontListEdit);
        EXPECT_EQ(edit.Text(), overlong);
        test::Click(shown.GetDlgItem(IDOK));
        EXPECT_TRUE(test::IsShown(shown));
        EXPECT_EQ(test::FocusedControl(shown), edit);
        EXPECT_EQ(StoredFontList(), overlong);

        test::Type(edit, "song");
        EXPECT_EQ(edit.Text(), "song");
        test::Click(shown.GetDlgItem(IDOK));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(scene().seam.Messages(),
              Strings{test::Box(platform::ProgramName(),
                                "At most 256 characters may be entered in this box.",
                                ui::MB_ICONEXCLAMATION)});
    EXPECT_EQ(StoredFontList(), "song");
}

// Enter in a box presses the default button, OK. The names are taken as typed, blanks
// and all; Cancel leaves the start values.
TEST_F(PromptDialogTest, ANamePromptReturnsTheNamesOnOkOnly) {
    enum class Way { Enter, Escape, CancelButton };
    const std::tuple<int, Way, int> rows[] = {
        {129, Way::Enter, IDOK},
        {129, Way::Escape, IDCANCEL},
        {131, Way::Enter, IDOK},
        {131, Way::CancelButton, IDCANCEL},
    };
    for (const auto& [prompt, way, result] : rows) {
        SCOPED_TRACE(prompt);
        const std::unique_ptr<ui::Dialog> dialog = MakePrompt(prompt);
        const int ended = Run(*dialog, [&](ui::Dialog& shown) {
            test::Type(test::FocusedControl(shown), " Kai sl");
            test::Press(shown, Key::Tab);
            test::Press(shown, Key::End);
            test::Type(test::FocusedControl(shown), "x");
            if (way == Way::Enter) {
                test::Press(shown, Key::Enter);
            } else if (way == Way::Escape) {
                test::Press(shown, Key::Escape);
            } else {
                test::Click(shown.GetDlgItem(IDCANCEL));
            }
        });
        EXPECT_EQ(ended, result);
        const Strings names = result == IDOK ? Strings{"songx", " Kai sl"} : Strings{"song", ""};
        EXPECT_EQ(NamesOf(*dialog), names);
    }
    EXPECT_EQ(scene().store.Contents(), "");
}

} // namespace
} // namespace glyphsmith
