// SPDX-License-Identifier: MIT
// The main window's path buttons through Qt's own file dialogs, from the click to the
// store.
#include "DialogTest.h"
#include "FileDialogs.h"
#include "MainDialog.h"
#include "MainDialogTemplate.h"
#include "QtPrinting.h"
#include "SettingsStore.h"
#include "UserActions.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

namespace glyphsmith {
namespace {

using namespace res;

class PathChoosersQtTest : public test::DialogTest {
  protected:
    // Clicks one button of a new main window; its record afterwards.
    GenerationSettings SettingsAfterClicking(int button) {
        MainDialog dialog;
        Run(dialog, [&](ui::Dialog&) {
            test::Click(dialog.GetDlgItem(button));
            dialog.EndDialog(ui::IDCANCEL);
        });
        return dialog.Settings();
    }
};

// Confirming the prefilled name picks UGBK.sfd in the folder shown.
TEST_F(PathChoosersQtTest, TheSfdChooserTurnsUgbkIntoUgbkDotSfd) {
    QString folder;
    scene().seam.OnNextFileChooser(test::RealFileChooser([&](QFileDialog& dialog) {
        EXPECT_EQ(test::NameLine(dialog)->text(), "UGBK");
        EXPECT_EQ(dialog.selectedNameFilter(), "Text Files (*.sfd)");
        folder = dialog.directory().absolutePath();
        test::AcceptButton(dialog)->click();
    }));
    const GenerationSettings settings = SettingsAfterClicking(kPickSfdFileButton);
    const std::string expected = QDir::toNativeSeparators(folder + "/UGBK.sfd").toStdString();
    EXPECT_EQ(settings.sfdFile, expected);
    EXPECT_EQ(scene().store.StoredValue(kSettingsSection, kSfdFileValue), expected);
}

TEST_F(PathChoosersQtTest, TheRealFolderChooserSetsTheEncDirectory) {
    const QString work = QString::fromStdString(scene().work.Path().string());
    ASSERT_TRUE(QDir(work).mkpath("enc/gbksong"));
    ASSERT_TRUE(QDir(work).mkpath("sources"));
    scene().seam.OnNextFolderChooser(test::RealFolderChooser([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.labelText(QFileDialog::LookIn),
                  "Set the Source Directory of gbk*.enc files:");
        EXPECT_EQ(dialog.selectedFiles(), QStringList{work + "/enc"});
        test::TypeName(dialog, work + "/sources");
        test::AcceptButton(dialog)->click();
    }));
    const GenerationSettings settings = SettingsAfterClicking(kPickEncDirectoryButton);
    const std::string expected = QDir::toNativeSeparators(work + "/sources").toStdString();
    EXPECT_EQ(settings.encDirectory, expected);
    EXPECT_EQ(scene().store.StoredValue(kSettingsSection, kEncDirectoryValue), expected);
}

} // namespace
} // namespace glyphsmith
