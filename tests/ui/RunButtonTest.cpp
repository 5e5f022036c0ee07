// SPDX-License-Identifier: MIT
#include "AliasDialogTemplate.h"
#include "CloneDialogTemplate.h"
#include "DialogTest.h"
#include "FontListDialogTemplate.h"
#include "MainDialog.h"
#include "MainDialogTemplate.h"
#include "Paths.h"
#include "ProgramName.h"
#include "SettingsStore.h"
#include "UserActions.h"

#include <filesystem>
#include <functional>
#include <ostream>

namespace glyphsmith {
namespace {

using namespace res;
using test::Key;
using ui::IDCANCEL;
using ui::IDOK;
using Step = test::ScriptedModalSeam::DialogStep;
using Strings = std::vector<std::string>;

const std::string kOldLog = "the log of an earlier run\n";

void Click(const ui::Dialog& dialog, int id) {
    test::Click(dialog.GetDlgItem(id));
}

// A prompt answered with a text in one of its boxes and OK.
Step Answer(int edit, const std::string& text) {
    return [edit, text](ui::Dialog& prompt) {
        prompt.GetDlgItem(edit).SetText("");
        test::Type(prompt.GetDlgItem(edit), text);
        Click(prompt, IDOK);
    };
}

// The family song in the layout the generators write, each file with codes 0 and 1.
void WriteSongFamily(const std::filesystem::path& htfDirectory) {
    test::WriteHtfFamily(htfDirectory, "gbksong", 0, 1, "'&#x4E00;' ''   0\n'&#x4E01;' ''   1\n");
}

// The lines of a text, with an empty last one after a final line end.
Strings Lines(const std::string& text) {
    Strings lines(1);
    for (const char c : text) {
        if (c == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

class RunButtonTest : public test::DialogTest {
  protected:
    // Makes <work>/<side>/run the working directory, so that the default directories
    // "../ht-fonts/..." stay inside <work>/<side>.
    std::filesystem::path EnterRun(const char* side) {
        const std::filesystem::path run = scene().work.Path() / side / "run";
        std::filesystem::create_directories(run);
        std::filesystem::current_path(run);
        return run;
    }

    // Opens the main window, clicks a run's button with `answer` for its prompt, and hands
    // the window to `check` before it closes.
    void ClickRun(int button, Step answer, const std::function<void(MainDialog&)>& check = {}) {
        MainDialog dialog;
        Run(dialog, [&](ui::Dialog&) {
            scene().seam.OnNextDialog(std::move(answer));
            Click(dialog, button);
            if (check) {
                check(dialog);
            }
            dialog.EndDialog(IDCANCEL);
        });
    }

    // The trees that the window and the command line wrote, each with its log.
    Strings WindowAgainstCli() {
        const std::filesystem::path root = scene().work.Path();
        return test::TreeDifferences(root / "window", root / "cli");
    }

    void ExpectOneMessage(const std::string& caption, const std::string& text, unsigned type) {
        EXPECT_EQ(scene().seam.Messages(), Strings{test::Box(caption, text, type)});
    }
};

TEST_F(RunButtonTest, Generator1WritesWhatTheCommandLineWrites) {
    for (const char* side : {"cli", "window"}) {
        const std::filesystem::path run = EnterRun(side);
        test::WriteFile(run / "UGBK.sfd",
                        test::SfdText("% made by a test\n% The input encoding is Unicode.\n\n"));
        test::WriteFile(run / "copyright.txt", "% made by a test\n% gbk.htf of today\n");
    }
    ClickRun(kGenerator1Button, Answer(kFontListEdit, "song  kai "));
    ExpectOneMessage("Information", "All .htf files have been created!", ui::MB_OK);
    EXPECT_EQ(SettingsStore().ReadString(kSettingsSection, kFontListValue, ""), "song  kai ");

    const std::filesystem::path root = scene().work.Path();
    EXPECT_EQ(test::RunProgram(GLYPHSMITH_CLI, {"gen1", "--families", "song  kai "},
                               root / "cli" / "run"),
              0);
    const Strings lines =
        Lines(test::ReadFile(root / "window/ht-fonts/unicode/cjk/gbkkai/gbkkai94.htf"));
    ASSERT_EQ(lines.size(), 41u);
    EXPECT_EQ(Strings(lines.begin(), lines.begin() + 2),
              Strings({"gbkkai94 0 37", "'&#xAB00;' ''   0% made by a test"}));
    EXPECT_EQ(Strings(lines.begin() + 38, lines.end()),
              Strings({"'&#xAB25;' ''  37", "gbkkai94 0 37", ""}));
    EXPECT_EQ(WindowAgainstCli(), Strings());
}

TEST_F(RunButtonTest, CloningWritesWhatTheCommandLineWrites) {
    for (const char* side : {"cli", "window"}) {
        WriteSongFamily(EnterRun(side).parent_path() / "ht-fonts/unicode/cjk");
    }
    ClickRun(kCloneButton, Answer(kClonedToEdit, "fsong"));
    ExpectOneMessage("Information", "All .htf files have been created!", ui::MB_OK);

    const std::filesystem::path root = scene().work.Path();
    EXPECT_EQ(test::RunProgram(GLYPHSMITH_CLI, {"clone", "--from", "song", "--to", "fsong"},
                               root / "cli" / "run"),
              0);
    EXPECT_EQ(test::ReadFile(root / "window/ht-fonts/unicode/cjk/gbkfsong/gbkfsong07.htf"),
              "gbkfsong07 0 1  %cloned from gbksong07.htf\n"
              "'&#x4E00;' ''   0\n'&#x4E01;' ''   1\ngbkfsong07 0 1\n");
    EXPECT_EQ(WindowAgainstCli(), Strings());
}

// The "sl" rule shows in the check box as soon as the run starts, and since the box
// keeps it, the next run is italic as well.
TEST_F(RunButtonTest, AliasWritesWhatTheCommandLineWritesAndKeepsItalic) {
    EnterRun("cli");
    EnterRun("window");
    const std::filesystem::path aliases = scene().work.Path() / "window/ht-fonts/alias/gbk";
    MainDialog dialog;
    Run(dialog, [&](ui::Dialog&) {
        dialog.GetDlgItem(kBoldCheck).SetChecked(true);
        test::Type(dialog.GetDlgItem(kFontFamilyEdit), "serif");
        test::Type(dialog.GetDlgItem(kOtherStyleEdit), "color: navy");
        scene().seam.OnNextDialog(Answer(kAliasFontEdit, "songsl"));
        Click(dialog, kAliasButton);
        EXPECT_TRUE(dialog.GetDlgItem(kItalicCheck).Checked());
        EXPECT_EQ(test::ReadFile(aliases / "gbksongsl/gbksongsl07.htf"),
                  ".gbksong07\nhtfcss: gbksongsl07 font-family: serif; font-weight: bold; "
                  "font-style: italic; color: navy;\n\n");
        EXPECT_EQ(test::RunProgram(GLYPHSMITH_CLI,
                                   {"alias", "--target", "song", "--alias", "songsl", "--bold",
                                    "--font-family", "serif", "--other", "color: navy"},
                                   scene().work.Path() / "cli" / "run"),
                  0);
        EXPECT_EQ(WindowAgainstCli(), Strings());

        dialog.GetDlgItem(kBoldCheck).SetChecked(false);
        scene().seam.OnNextDialog(Answer(kAliasFontEdit, "kai"));
        Click(dialog, kAliasButton);
        EXPECT_TRUE(dialog.GetDlgItem(kItalicCheck).Checked());
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_TRUE(dialog.Settings().italic);
    EXPECT_EQ(test::ReadFile(aliases / "gbkkai/gbkkai07.htf"),
              ".gbksong07\nhtfcss: gbkkai07 font-family: serif; font-style: italic; "
              "color: navy;\n\n");
    const std::string done =
        test::Box("Information", "All alias .htf files have been created!", ui::MB_OK);
    EXPECT_EQ(scene().seam.Messages(), Strings({done, done}));
}

// A run's prompt, the box that the prompt's name goes in, and for the cancel cases the
// way the prompt is left.
struct PromptRow {
    const char* name;
    int button;
    int edit;
    Step leave;
};

std::string RowName(const ::testing::TestParamInfo<PromptRow>& info) {
    return info.param.name;
}

void PrintTo(const PromptRow& row, std::ostream* out) {
    *out << row.name;
}

// Each run in a scene of its own, its window's directory holding the family song and an
// earlier run's log.
class RunPromptTest : public RunButtonTest, public ::testing::WithParamInterface<PromptRow> {
  protected:
    std::filesystem::path EnterRunWithSong() {
        const std::filesystem::path run = EnterRun("window");
        WriteSongFamily(run.parent_path() / "ht-fonts/unicode/cjk");
        test::WriteFile(run / "log.txt", kOldLog);
        return run;
    }
};

using CancelInAPromptTest = RunPromptTest;

// Even a typed alias that ends in "sl" leaves italic off.
TEST_P(CancelInAPromptTest, ChangesNothing) {
    const PromptRow& row = GetParam();
    const std::filesystem::path run = EnterRunWithSong();
    const auto before = test::FilesUnder(run.parent_path());

    ClickRun(
        row.button,
        [&row](ui::Dialog& prompt) {
            test::Type(prompt.GetDlgItem(row.edit), "songsl");
            row.leave(prompt);
        },
        [](MainDialog& dialog) {
            EXPECT_FALSE(dialog.GetDlgItem(kItalicCheck).Checked());
            EXPECT_FALSE(dialog.Settings().italic);
        });
    EXPECT_EQ(scene().seam.Messages(), Strings());
    EXPECT_TRUE(test::FilesUnder(run.parent_path()) == before);
    EXPECT_FALSE(std::filesystem::exists(run.parent_path() / "ht-fonts/alias"));
    EXPECT_EQ(scene().store.Contents(), "");
}

INSTANTIATE_TEST_SUITE_P(
    EachPrompt, CancelInAPromptTest,
    ::testing::Values(PromptRow{"FontListEscape", kGenerator1Button, kFontListEdit,
                                [](ui::Dialog& prompt) { test::Press(prompt, Key::Escape); }},
                      PromptRow{"CloningCancel", kCloneButton, kClonedToEdit,
                                [](ui::Dialog& prompt) { Click(prompt, IDCANCEL); }},
                      PromptRow{"AliasCloseBox", kAliasButton, kAliasFontEdit,
                                [](ui::Dialog& prompt) { test::CloseBox(prompt); }}),
    RowName);

using ANameWithAPathSeparatorTest = RunPromptTest;

TEST_P(ANameWithAPathSeparatorTest, IsRefused) {
    const PromptRow& row = GetParam();
    const std::filesystem::path run = EnterRunWithSong();
    const auto before = test::FilesUnder(run.parent_path());

    ClickRun(row.button, Answer(row.edit, "../x"));
    ExpectOneMessage("Warning!",
                     "The font name \"../x\" holds a path separator (\"/\" or \"\\\"), which "
                     "would put its files outside the directory. Please type the name "
                     "without it!",
                     ui::MB_ICONEXCLAMATION);
    EXPECT_TRUE(test::FilesUnder(run.parent_path()) == before);
    EXPECT_FALSE(std::filesystem::exists(run.parent_path() / "ht-fonts/alias"));
}

INSTANTIATE_TEST_SUITE_P(EachNamePrompt, ANameWithAPathSeparatorTest,
                         ::testing::Values(PromptRow{"Cloning", kCloneButton, kClonedToEdit, {}},
                                           PromptRow{"Alias", kAliasButton, kAliasFontEdit, {}}),
                         RowName);

// The list is stored when the prompt closes with OK, before the window's own check
// fails on a path too long for its box and stops the run.
TEST_F(RunButtonTest, Generator1StopsWhenTheWindowFailsItsCheck) {
    EnterRun("window");
    SettingsStore().WriteString(kSettingsSection, kSfdFileValue, std::string(300, 's'));
    ClickRun(kGenerator1Button, Answer(kFontListEdit, "kai"), [](MainDialog& dialog) {
        EXPECT_EQ(test::FocusedControl(dialog), dialog.GetDlgItem(kSfdFileEdit));
    });
    ExpectOneMessage(platform::ProgramName(), "At most 256 characters may be entered in this box.",
                     ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(SettingsStore().ReadString(kSettingsSection, kFontListValue, ""), "kai");
    EXPECT_FALSE(std::filesystem::exists("log.txt"));
}

// The folder that a user on a Chinese system picks reaches the run whole, and so does a
// family typed in Chinese.
TEST_F(RunButtonTest, Generator1WritesIntoAChineseFolderThatTheChooserReturns) {
    const std::filesystem::path run = EnterRun("window");
    test::WriteFile(run / "UGBK.sfd", test::SfdText());
    test::WriteFile(run / "copyright.txt", "");
    const std::string han = "\xE5\xAE\x8B\xE4\xBD\x93";
    const std::string folder = JoinPath(JoinPath(Utf8(run), "\xE5\xAD\x97\xE4\xBD\x93"), han);
    MainDialog dialog;
    Run(dialog, [&](ui::Dialog&) {
        scene().seam.OnNextFolderChooser(
            [&](const ui::FolderRequest&) { return std::optional<std::string>(folder); });
        Click(dialog, kPickHtfDirectoryButton);
        // Pasted, as no keyboard of the test types Han characters.
        scene().seam.OnNextDialog([&](ui::Dialog& prompt) {
            prompt.GetDlgItem(kFontListEdit).SetText(han);
            Click(prompt, IDOK);
        });
        Click(dialog, kGenerator1Button);
        dialog.EndDialog(IDCANCEL);
    });
    ExpectOneMessage("Information", "All .htf files have been created!", ui::MB_OK);
    const std::string stem = "gbk" + han;
    const std::string header = stem + "94 0 37\n";
    EXPECT_EQ(test::ReadFile(FsPath(JoinPath(JoinPath(folder, stem), stem + "94.htf")))
                  .substr(0, header.size()),
              header);
}

// An error that no run expects, here thrown out of a warning that Generator 2 shows while
// it works, ends the run with a box of its own and takes the wait cursor down.
TEST_F(RunButtonTest, AnUnexpectedErrorEndsTheRunWithAWarning) {
    const std::filesystem::path run = EnterRun("window");
    test::WriteFile(run / "copyright.txt", "");
    test::WriteFile(run / "MS-GBK-Codepage.txt", "");
    std::filesystem::create_directories(run / "enc" / "gbksong");
    test::WriteFile(run.parent_path() / "ht-fonts", "a file where a directory belongs");
    scene().seam.FailAtNextMessage("injected failure");
    MainDialog dialog;
    Run(dialog, [&](ui::Dialog&) {
        Click(dialog, kGenerator2Button);
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(scene().seam.Messages(),
              Strings({test::Box("Warning!",
                                 "Failed to create the directory " +
                                     test::Native("../ht-fonts/unicode/cjk/gbksong") + "!\n",
                                 ui::MB_ICONEXCLAMATION),
                       test::Box("Warning!",
                                 "The run stopped on an unexpected error: injected failure. Every "
                                 ".htf file is whole or as it was before; log.txt may lack lines.",
                                 ui::MB_ICONEXCLAMATION)}));
    EXPECT_EQ(scene().seam.WaitCursorAtMessages(), std::vector<bool>({true, false}));
}

} // namespace
} // namespace glyphsmith
