// SPDX-License-Identifier: MIT
#include "MainDialog.h"

#include "DialogTest.h"
#include "DialogUnits.h"
#include "MainDialogTemplate.h"
#include "Paths.h"
#include "ProgramName.h"
#include "SettingsStore.h"
#include "UserActions.h"

#include <filesystem>

namespace glyphsmith {
namespace {

using namespace res;
using test::Box;
using test::Key;
using ui::IDCANCEL;
using ui::IDOK;
using Strings = std::vector<std::string>;

// The main window with an About box that only counts its openings.
class TestMainDialog : public MainDialog {
  public:
    int abouts = 0;

    std::string Text(int id) const { return GetDlgItem(id).Text(); }
    bool Checked(int id) const { return GetDlgItem(id).Checked(); }
    void Click(int id) const { test::Click(GetDlgItem(id)); }

  protected:
    void OnAbout() override { ++abouts; }
};

// A run of Generator 2 for the family song: a whole table and the 94 .enc files. The
// table ends at code 132 of subfont 94, where the characters end.
void WriteGenerator2Run(const std::filesystem::path& runDirectory) {
    test::WriteFile(runDirectory / "MS-GBK-Codepage.txt", test::CodePageText());
    for (int subfont = 1; subfont <= 94; ++subfont) {
        const std::string font = "gbksong" + TwoDigits(subfont);
        std::string enc = "/" + font + " [\n";
        for (int code = 0; code < 256; ++code) {
            const bool blank = code % 3 == 0 || (subfont == 94 && code >= 132);
            enc += blank ? "/.notdef\n" : "/uni4E00\n";
        }
        test::WriteFile(runDirectory / "enc/gbksong" / (font + ".enc"), enc);
    }
    test::WriteFile(runDirectory / "copyright.txt", "% made by a test\n% for the .htf files\n");
}

class MainDialogTest : public test::DialogTest {};

TEST_F(MainDialogTest, AFirstStartShowsTheDefaults) {
    TestMainDialog dialog;
    Run(dialog, [&](ui::Dialog&) {
        EXPECT_EQ(dialog.Text(kCodePageFileEdit), "MS-GBK-Codepage.txt");
        EXPECT_EQ(dialog.Text(kEncDirectoryEdit), "enc");
        EXPECT_EQ(dialog.Text(kHtfDirectoryEdit), kDefaultHtfDirectory);
        EXPECT_EQ(dialog.Text(kSfdFileEdit), "UGBK.sfd");
        EXPECT_EQ(dialog.Text(kAliasDirectoryEdit), kDefaultAliasDirectory);
        EXPECT_TRUE(dialog.Checked(kDiscardBlanksCheck));
        EXPECT_FALSE(dialog.Checked(kBoldCheck));
        EXPECT_FALSE(dialog.Checked(kItalicCheck));
        EXPECT_EQ(dialog.Text(kFontFamilyEdit), "");
        EXPECT_EQ(dialog.Text(kOtherStyleEdit), "");
        EXPECT_EQ(test::Caption(dialog), "Glyphsmith for TeX4ht (v 0.2)");
        dialog.EndDialog(IDCANCEL);
    });
}

TEST_F(MainDialogTest, AStoredEmptyPathStaysEmptyAndStopsGenerator2) {
    SettingsStore().WriteString(kSettingsSection, kEncDirectoryValue, "");
    SettingsStore().WriteString(kSettingsSection, kHtfDirectoryValue, "/stored/htf");
    TestMainDialog dialog;
    Run(dialog, [&](ui::Dialog&) {
        EXPECT_EQ(dialog.Text(kEncDirectoryEdit), "");
        EXPECT_EQ(dialog.Text(kHtfDirectoryEdit), "/stored/htf");
        dialog.Click(kGenerator2Button);
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(scene().seam.Messages(),
              Strings{Box("Warning!", "Please set the related information firstly!",
                          ui::MB_ICONEXCLAMATION)});
    EXPECT_FALSE(std::filesystem::exists("log.txt"));
}

TEST_F(MainDialogTest, StyleBoxesStopAt255AndPathBoxesTakeNoTyping) {
    TestMainDialog dialog;
    Run(dialog, [&](ui::Dialog&) {
        for (const int id : {kFontFamilyEdit, kOtherStyleEdit}) {
            test::Type(dialog.GetDlgItem(id), std::string(300, 'a'));
            EXPECT_EQ(dialog.Text(id).size(), 255u);
        }
        test::Type(dialog.GetDlgItem(kEncDirectoryEdit), "typed");
        EXPECT_EQ(dialog.Text(kEncDirectoryEdit), "enc");
        dialog.EndDialog(IDCANCEL);
    });
}

TEST_F(MainDialogTest, AnOverlongPathFailsTheExchangeAtItsControl) {
    const std::string longPath(300, 'p');
    SettingsStore().WriteString(kSettingsSection, kEncDirectoryValue, longPath);
    TestMainDialog dialog;
    Run(dialog, [&](ui::Dialog&) {
        EXPECT_EQ(dialog.Text(kEncDirectoryEdit), longPath);
        dialog.GetDlgItem(kCodePageFileEdit).SetText("picked.txt");
        test::Type(dialog.GetDlgItem(kFontFamilyEdit), "Song");
        dialog.Click(kGenerator2Button);
        EXPECT_EQ(test::FocusedControl(dialog), dialog.GetDlgItem(kEncDirectoryEdit));
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(
        scene().seam.Messages(),
        Strings{Box(platform::ProgramName(), "At most 256 characters may be entered in this box.",
                    ui::MB_ICONEXCLAMATION)});
    EXPECT_EQ(dialog.Settings().codePageFile, "picked.txt");
    EXPECT_EQ(dialog.Settings().encDirectory, longPath);
    EXPECT_EQ(dialog.Settings().fontFamily, "");
    EXPECT_FALSE(std::filesystem::exists("log.txt"));
}

TEST_F(MainDialogTest, SystemCommandsOfTheAboutEntryOpenTheAboutBox) {
    TestMainDialog dialog;
    const int result = Run(dialog, [&](ui::Dialog&) {
        for (unsigned command = 16; command <= 31; ++command) {
            test::SystemCommand(dialog, command);
        }
        EXPECT_EQ(dialog.abouts, 16);
        for (const unsigned command : {0u, 15u, 32u, 0x90u, 0xF120u}) {
            test::SystemCommand(dialog, command);
        }
        EXPECT_EQ(dialog.abouts, 16);
        dialog.Click(kAboutButton);
        EXPECT_EQ(dialog.abouts, 17);
        EXPECT_TRUE(test::IsShown(dialog));
        test::SystemCommand(dialog, 0xF06F); // Close, with low bits set
    });
    EXPECT_EQ(result, IDCANCEL);
}

// Exit is the Cancel command, like Escape and the close box: nothing is read from the
// controls and nothing is written to the store. Enter in a text box is OK.
TEST_F(MainDialogTest, EveryWayOutWritesNothing) {
    SettingsStore().WriteString(kSettingsSection, kHtfDirectoryValue, "/stored/htf");
    const std::string stored = scene().store.Contents();
    ASSERT_NE(stored, "");

    const std::vector<std::pair<int, test::ScriptedModalSeam::DialogStep>> waysOut = {
        {IDCANCEL, [](ui::Dialog& shown) { test::Press(shown, Key::Escape); }},
        {IDCANCEL, [](ui::Dialog& shown) { test::Click(shown.GetDlgItem(IDCANCEL)); }},
        {IDCANCEL, [](ui::Dialog& shown) { test::CloseBox(shown); }},
        {IDOK,
         [](ui::Dialog& shown) { test::Press(shown.GetDlgItem(kFontFamilyEdit), Key::Enter); }},
    };
    for (const auto& [expected, wayOut] : waysOut) {
        TestMainDialog dialog;
        const int result = Run(dialog, [&](ui::Dialog& shown) {
            test::Type(dialog.GetDlgItem(kFontFamilyEdit), "Hei");
            dialog.GetDlgItem(kBoldCheck).SetChecked(true);
            wayOut(shown);
        });
        EXPECT_EQ(result, expected);
        EXPECT_EQ(dialog.Settings().fontFamily, expected == IDOK ? "Hei" : "");
    }
    EXPECT_EQ(scene().store.Contents(), stored);
}

TEST_F(MainDialogTest, Generator2FromTheButtonWritesWhatTheCommandLineWrites) {
    const std::filesystem::path root = scene().work.Path();
    WriteGenerator2Run(root / "window" / "run");
    WriteGenerator2Run(root / "cli" / "run");

    std::filesystem::current_path(root / "window" / "run");
    TestMainDialog dialog;
    Run(dialog, [&](ui::Dialog&) {
        dialog.GetDlgItem(kDiscardBlanksCheck).SetChecked(false);
        dialog.Click(kGenerator2Button);
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(scene().seam.Messages(),
              Strings{Box("Information", "All .htf files have been created!", ui::MB_OK)});
    EXPECT_EQ(scene().seam.WaitCursorAtMessages(), std::vector<bool>{false});
    EXPECT_FALSE(ui::WaitCursorShown());

    EXPECT_EQ(test::RunProgram(GLYPHSMITH_CLI, {"gen2", "--keep-blanks"}, root / "cli" / "run"), 0);
    EXPECT_TRUE(
        std::filesystem::exists(root / "window/ht-fonts/unicode/cjk/gbksong/gbksong94.htf"));
    EXPECT_TRUE(std::filesystem::exists(root / "window/run/log.txt"));
    EXPECT_EQ(test::TreeDifferences(root / "window", root / "cli"), Strings());
}

TEST_F(MainDialogTest, TabFollowsTemplateOrder) {
    TestMainDialog dialog;
    std::vector<int> focused;
    Run(dialog, [&](ui::Dialog& shown) {
        for (int i = 0; i < 22; ++i) {
            focused.push_back(test::FocusedControl(shown).Id());
            test::Press(shown, Key::Tab);
        }
        shown.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(focused,
              std::vector<int>({1004, 4, 8,    1006, 10,   1014, 1015, 1016, 9, 1010, 1005,
                                1001, 7, 1002, 1000, 1003, 3,    5,    6,    2, 1017, 1004}));
}

// Verdana 8 pt maps to the base units 7 x 13 under Windows, as its stand-in DejaVu Sans
// does elsewhere, so the window has the same pixels on both sides.
TEST_F(MainDialogTest, EveryControlStandsWhereItsTemplatePutsIt) {
    const TestMainDialog dialog;
    const ui::DialogUnits units(7, 13);
    EXPECT_EQ(test::ClientSize(dialog), (ui::Size{460, 509}));
    EXPECT_EQ(dialog.GetDlgItem(IDCANCEL).Geometry(), (ui::Rect{233, 473, 187, 23}));
    const std::span<const ui::Control> controls = dialog.Window().Controls();
    ASSERT_EQ(controls.size(), kMainDialogTemplate.controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(controls[i].Geometry(), units.Map(kMainDialogTemplate.controls[i].rect))
            << "control " << i << " (" << controls[i].Text() << ")";
    }
}

} // namespace
} // namespace glyphsmith
