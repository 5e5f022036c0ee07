// SPDX-License-Identifier: MIT
#include "DialogTest.h"
#include "MainDialog.h"
#include "MainDialogTemplate.h"
#include "ProgramName.h"
#include "SettingsStore.h"
#include "UserActions.h"

#include <optional>
#include <ostream>

namespace glyphsmith {
namespace {

using namespace res;
using ui::IDCANCEL;
using Strings = std::vector<std::string>;

std::string Text(const MainDialog& dialog, int id) {
    return dialog.GetDlgItem(id).Text();
}

bool Checked(const MainDialog& dialog, int id) {
    return dialog.GetDlgItem(id).Checked();
}

void Click(const MainDialog& dialog, int id) {
    test::Click(dialog.GetDlgItem(id));
}

// Edits that no run has read yet: a refresh of the controls undoes them.
void EditTheOptions(const MainDialog& dialog) {
    test::Type(dialog.GetDlgItem(kFontFamilyEdit), "Kai");
    test::Type(dialog.GetDlgItem(kOtherStyleEdit), "color: red");
    dialog.GetDlgItem(kBoldCheck).SetChecked(true);
    dialog.GetDlgItem(kDiscardBlanksCheck).SetChecked(false);
}

bool OptionsAsEdited(const MainDialog& dialog) {
    return Text(dialog, kFontFamilyEdit) == "Kai" &&
           Text(dialog, kOtherStyleEdit) == "color: red" && Checked(dialog, kBoldCheck) &&
           !Checked(dialog, kDiscardBlanksCheck);
}

bool OptionsAsAtStart(const MainDialog& dialog) {
    return Text(dialog, kFontFamilyEdit).empty() && Text(dialog, kOtherStyleEdit).empty() &&
           !Checked(dialog, kBoldCheck) && Checked(dialog, kDiscardBlanksCheck);
}

// What a chooser was asked, in one line: a folder chooser's prompt and initial folder, or
// a file chooser's extension, initial name and filter.
std::string Asked(const ui::FolderRequest& request) {
    return request.prompt + " | " + request.initialFolder;
}

std::string Asked(const ui::FileRequest& request) {
    return request.defaultExtension + " | " + request.initialName + " | " + request.filter;
}

template <class Request>
auto Answering(const std::optional<std::string>& path, std::string* asked) {
    return [=](const Request& request) {
        if (asked != nullptr) {
            *asked = Asked(request);
        }
        return path;
    };
}

// One of the five path fields: the button, the control, the chooser's kind, the value
// name, what the chooser is asked, and the message for the same path.
struct PathRow {
    const char* name;
    int button;
    int edit;
    bool folder;
    const char* valueName;
    std::string asked;
    const char* samePath;
};

void PrintTo(const PathRow& row, std::ostream* out) {
    *out << row.name;
}

const PathRow kPathRows[] = {
    {"HtfDirectory", kPickHtfDirectoryButton, kHtfDirectoryEdit, true, kHtfDirectoryValue,
     std::string("Set the Target Directory of gbk*.htf files: | ") + kDefaultHtfDirectory,
     "The same directory of .htf files is selected!"},
    {"AliasDirectory", kPickAliasDirectoryButton, kAliasDirectoryEdit, true, kAliasDirectoryValue,
     std::string("Set the Target Directory of alias gbk*.htf files: | ") + kDefaultAliasDirectory,
     "The same directory of alias .htf files is selected!"},
    {"SfdFile", kPickSfdFileButton, kSfdFileEdit, false, kSfdFileValue,
     "sfd | UGBK | Text Files (*.sfd)|*.sfd|All Files (*.*)|*.*||",
     "The same UGBK.sfd file is selected!"},
    {"CodePageFile", kPickCodePageFileButton, kCodePageFileEdit, false, kCodePageFileValue,
     "txt |  | Text Files (*.txt)|*.txt|All Files (*.*)|*.*||",
     "The same Microsoft GBK codepage file is selected!"},
    {"EncDirectory", kPickEncDirectoryButton, kEncDirectoryEdit, true, kEncDirectoryValue,
     "Set the Source Directory of gbk*.enc files: | enc",
     "The same directory of .enc files is selected!"},
};

// Each field in a scene of its own.
class PathFieldTest : public test::DialogTest, public ::testing::WithParamInterface<PathRow> {
  protected:
    // Answers the next chooser of the field's kind with the path, or with Cancel.
    void Answer(const std::optional<std::string>& path, std::string* asked = nullptr) {
        if (GetParam().folder) {
            scene().seam.OnNextFolderChooser(Answering<ui::FolderRequest>(path, asked));
        } else {
            scene().seam.OnNextFileChooser(Answering<ui::FileRequest>(path, asked));
        }
    }

    // Runs a new main window and hands back the text of one control.
    std::string ShownAfterRestart(int editId) {
        MainDialog restarted;
        std::string shown;
        Run(restarted, [&](ui::Dialog&) {
            shown = Text(restarted, editId);
            restarted.EndDialog(IDCANCEL);
        });
        return shown;
    }
};

TEST_P(PathFieldTest, ANewPathIsStoredShownAndKept) {
    const PathRow& row = GetParam();
    const std::string picked = "/picked/\u5b8b\u4f53 fonts";
    std::string request;
    MainDialog dialog;
    Run(dialog, [&](ui::Dialog&) {
        EditTheOptions(dialog);
        Answer(picked, &request);
        Click(dialog, row.button);
        EXPECT_EQ(Text(dialog, row.edit), picked);
        EXPECT_TRUE(OptionsAsAtStart(dialog));
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(request, row.asked);
    EXPECT_EQ(scene().seam.Messages(), Strings());
    EXPECT_EQ(scene().store.StoredValue(kSettingsSection, row.valueName), picked);
    EXPECT_EQ(ShownAfterRestart(row.edit), picked);
}

// The default is what the window shows at a first start; picking it again is refused.
TEST_P(PathFieldTest, TheSamePathIsRefusedAndNothingWritten) {
    const PathRow& row = GetParam();
    MainDialog dialog;
    Run(dialog, [&](ui::Dialog&) {
        EditTheOptions(dialog);
        Answer(Text(dialog, row.edit));
        Click(dialog, row.button);
        EXPECT_TRUE(OptionsAsEdited(dialog));
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(scene().seam.Messages(),
              Strings{test::Box(platform::ProgramName(), row.samePath, ui::MB_OK)});
    EXPECT_EQ(scene().store.Contents(), "");
}

TEST_P(PathFieldTest, CancelChangesAndShowsNothing) {
    const PathRow& row = GetParam();
    MainDialog dialog;
    Run(dialog, [&](ui::Dialog&) {
        const std::string before = Text(dialog, row.edit);
        EditTheOptions(dialog);
        Answer(std::nullopt);
        Click(dialog, row.button);
        if (row.folder) {
            Answer(""); // a choice that is no folder on disk
            Click(dialog, row.button);
        }
        EXPECT_EQ(Text(dialog, row.edit), before);
        EXPECT_TRUE(OptionsAsEdited(dialog));
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(scene().seam.Messages(), Strings());
    EXPECT_EQ(scene().store.Contents(), "");
}

TEST_P(PathFieldTest, AnotherLetterCaseIsANewPath) {
    const PathRow& row = GetParam();
    SettingsStore().WriteString(kSettingsSection, row.valueName, "/Fonts/GBK");
    MainDialog dialog;
    Run(dialog, [&](ui::Dialog&) {
        Answer("/fonts/gbk");
        Click(dialog, row.button);
        EXPECT_EQ(Text(dialog, row.edit), "/fonts/gbk");
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(scene().seam.Messages(), Strings());
    EXPECT_EQ(scene().store.StoredValue(kSettingsSection, row.valueName), "/fonts/gbk");
}

INSTANTIATE_TEST_SUITE_P(EveryField, PathFieldTest, ::testing::ValuesIn(kPathRows),
                         [](const ::testing::TestParamInfo<PathRow>& info) {
                             return std::string(info.param.name);
                         });

class PathChoosersTest : public test::DialogTest {};

// The chooser opens at the stored folder; the stored text itself stays as it was.
TEST_F(PathChoosersTest, AStoredFolderEndingInASeparatorStillOpensThere) {
    SettingsStore().WriteString(kSettingsSection, kHtfDirectoryValue, "/data/htf\\  ");
    SettingsStore().WriteString(kSettingsSection, kAliasDirectoryValue, "/data/alias/ ");
    const std::string stored = scene().store.Contents();
    Strings initialFolders;
    for (int i = 0; i < 2; ++i) {
        scene().seam.OnNextFolderChooser([&](const ui::FolderRequest& request) {
            initialFolders.push_back(request.initialFolder);
            return std::nullopt;
        });
    }
    MainDialog dialog;
    Run(dialog, [&](ui::Dialog&) {
        Click(dialog, kPickHtfDirectoryButton);
        Click(dialog, kPickAliasDirectoryButton);
        EXPECT_EQ(Text(dialog, kHtfDirectoryEdit), "/data/htf\\  ");
        EXPECT_EQ(Text(dialog, kAliasDirectoryEdit), "/data/alias/ ");
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(initialFolders, Strings({"/data/htf", "/data/alias"}));
    EXPECT_EQ(dialog.Settings().htfDirectory, "/data/htf\\  ");
    EXPECT_EQ(scene().store.Contents(), stored);
}

} // namespace
} // namespace glyphsmith
