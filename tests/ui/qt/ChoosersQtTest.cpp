// SPDX-License-Identifier: MIT
// The folder and file choosers through Qt's own file dialogs, and the filters in Qt's
// notation.
#include "DialogTest.h"
#include "FileChooser.h"
#include "FileDialogs.h"
#include "FolderChooser.h"
#include "OwnerDialog.h"
#include "QtFileChooser.h"
#include "QtPrinting.h"
#include "UserActions.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>

namespace glyphsmith {
namespace {

using Strings = std::vector<std::string>;

// A chooser that refuses every folder named "locked" and says why in the status line.
class LockAwareChooser : public FolderChooser {
  public:
    Strings asked;

    bool ValidateSelection(const std::string& path, std::string& statusText) override {
        asked.push_back(path);
        if (std::filesystem::path(path).filename() == "locked") {
            statusText = "locked folder";
            return false;
        }
        return true;
    }
};

bool HasLabel(QWidget& dialog, const QString& text) {
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->isVisible() && label->text() == text) {
            return true;
        }
    }
    return false;
}

bool Contains(const Strings& strings, const QString& text) {
    return std::find(strings.begin(), strings.end(), text.toStdString()) != strings.end();
}

QComboBox* FileTypes(QFileDialog& dialog) {
    return dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
}

// The name filters as the user sees them.
QStringList ShownFilters(QFileDialog& dialog) {
    QStringList shown;
    for (int i = 0; i < FileTypes(dialog)->count(); ++i) {
        shown << FileTypes(dialog)->itemText(i);
    }
    return shown;
}

QListView* Listing(QFileDialog& dialog) {
    return dialog.findChild<QListView*>(QStringLiteral("listView"));
}

// The names listed in the folder shown, in byte order.
QStringList Listed(QFileDialog& dialog) {
    const QListView* listing = Listing(dialog);
    QStringList names;
    for (int row = 0; row < listing->model()->rowCount(listing->rootIndex()); ++row) {
        names << listing->model()->index(row, 0, listing->rootIndex()).data().toString();
    }
    names.sort();
    return names;
}

// Waits for the listing, which Qt reads in the background, to show a name.
bool ListingShows(QFileDialog& dialog, const QString& name) {
    return test::ProcessEventsUntil([&] { return Listed(dialog).contains(name); },
                                    std::chrono::seconds(2));
}

void ClickListed(QFileDialog& dialog, const QString& name) {
    QListView* listing = Listing(dialog);
    const QModelIndexList found =
        listing->model()->match(listing->model()->index(0, 0, listing->rootIndex()),
                                Qt::DisplayRole, name, 1, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << name.toStdString();
    QTest::mouseClick(listing->viewport(), Qt::LeftButton, {},
                      listing->visualRect(found[0]).center());
}

class ChoosersQtTest : public test::DialogTest {
  protected:
    QString WorkPath(const QString& below) {
        return QString::fromStdString(scene().work.Path().string()) + '/' + below;
    }

    void MakeFolders(const QStringList& folders) {
        for (const QString& folder : folders) {
            ASSERT_TRUE(QDir().mkpath(WorkPath(folder)));
        }
    }
};

TEST_F(ChoosersQtTest, ARefusedSelectionDisablesOkAndShowsItsStatus) {
    MakeFolders({"locked", "open"});
    test::OwnerDialog owner;
    LockAwareChooser chooser;
    chooser.caption = "Pick a folder";
    chooser.showStatusText = true;
    chooser.initialFolder = (WorkPath("locked") + "\\ ").toStdString();
    scene().seam.OnNextFolderChooser(test::RealFolderChooser([&](QFileDialog& dialog) {
        test::Settle();
        EXPECT_EQ(dialog.windowTitle(), "Pick a folder");
        EXPECT_EQ(dialog.labelText(QFileDialog::LookIn), "Open");
        EXPECT_EQ(dialog.selectedFiles(), QStringList{WorkPath("locked")});
        EXPECT_TRUE(Contains(chooser.asked, QDir::toNativeSeparators(WorkPath("locked"))));
        EXPECT_FALSE(test::AcceptButton(dialog)->isEnabled());
        EXPECT_TRUE(HasLabel(dialog, "locked folder"));
        QMetaObject::invokeMethod(&dialog, "accept");
        test::Settle();
        EXPECT_TRUE(dialog.isVisible());

        test::TypeName(dialog, WorkPath("open"));
        EXPECT_TRUE(test::AcceptButton(dialog)->isEnabled());
        EXPECT_FALSE(HasLabel(dialog, "locked folder"));
        test::AcceptButton(dialog)->click();
    }));
    EXPECT_TRUE(chooser.Browse(&owner));
    EXPECT_EQ(chooser.selectedPath, QDir::toNativeSeparators(WorkPath("open")).toStdString());
}

TEST_F(ChoosersQtTest, NothingOutsideTheRootCanBeChosen) {
    MakeFolders({"root/inner", "outside"});
    test::OwnerDialog owner;
    LockAwareChooser chooser;
    chooser.rootFolder = WorkPath("root").toStdString();
    chooser.initialFolder = WorkPath("outside").toStdString();
    scene().seam.OnNextFolderChooser(test::RealFolderChooser([&](QFileDialog& dialog) {
        test::Settle();
        EXPECT_FALSE(test::AcceptButton(dialog)->isEnabled());
        EXPECT_FALSE(Contains(chooser.asked, QDir::toNativeSeparators(WorkPath("outside"))));
        test::TypeName(dialog, WorkPath("root/inner"));
        EXPECT_TRUE(test::AcceptButton(dialog)->isEnabled());
        test::AcceptButton(dialog)->click();
    }));
    EXPECT_TRUE(chooser.Browse(&owner));
    EXPECT_EQ(chooser.selectedPath, QDir::toNativeSeparators(WorkPath("root/inner")).toStdString());
}

// Qt reads the patterns from the last parentheses; the chooser shows what stands before.
TEST_F(ChoosersQtTest, FiltersInQtNotationEndInTheirPatterns) {
    const std::pair<std::string, QStringList> rows[] = {
        {"Text Files (*.sfd)|*.sfd|All Files (*.*)|*.*||",
         {"Text Files (*.sfd) (*.sfd)", "All Files (*.*) (*)"}},
        {"Text Files (*.txt)|*.txt|All Files (*.*)|*.*||",
         {"Text Files (*.txt) (*.txt)", "All Files (*.*) (*)"}},
        {"Fonts|*.ttf;*.otf||", {"Fonts (*.ttf *.otf)"}},     // a label without patterns
        {"Tables (*.txt)|*.txt", {"Tables (*.txt) (*.txt)"}}, // no closing bars
        {"Tables", {}},                                       // a label alone
    };
    for (const auto& [filter, nameFilters] : rows) {
        EXPECT_EQ(ui::QtNameFilters(filter), nameFilters) << filter;
    }
}

// "All Files (*.*)" means every file, also a code page table or an sfd file named without
// a dot, which the other filter leaves out.
TEST_F(ChoosersQtTest, AllFilesListsAFileWithoutADot) {
    test::WriteFile(scene().work.Path() / "UGBK.sfd", "");
    test::WriteFile(scene().work.Path() / "cp936", "");
    test::OwnerDialog owner;
    scene().seam.OnNextFileChooser(test::RealFileChooser([&](QFileDialog& dialog) {
        dialog.setDirectory(WorkPath(""));
        EXPECT_EQ(ShownFilters(dialog), QStringList({"Text Files (*.sfd)", "All Files (*.*)"}));
        EXPECT_TRUE(ListingShows(dialog, "UGBK.sfd"));
        EXPECT_EQ(Listed(dialog), QStringList({"UGBK.sfd"}));

        QTest::keyClick(FileTypes(dialog), Qt::Key_Down);
        EXPECT_EQ(FileTypes(dialog)->currentText(), "All Files (*.*)");
        EXPECT_TRUE(ListingShows(dialog, "cp936"));
        EXPECT_EQ(Listed(dialog), QStringList({"UGBK.sfd", "cp936"}));
        ClickListed(dialog, "cp936");
        test::AcceptButton(dialog)->click();
    }));
    EXPECT_EQ(ChooseFile(&owner, "sfd", "", "Text Files (*.sfd)|*.sfd|All Files (*.*)|*.*||"),
              QDir::toNativeSeparators(WorkPath("cp936")).toStdString());
}

} // namespace
} // namespace glyphsmith
