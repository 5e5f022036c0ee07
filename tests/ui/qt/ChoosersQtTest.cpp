// The folder and file choosers through Qt's own file dialogs, and the filters in Qt's
// notation.
#include "DialogTest.h"
#include "FileDialogs.h"
#include "FolderPicker.h"
#include "OwnerDialog.h"
#include "QtChoosers.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <filesystem>

namespace glyphsmith {
namespace {

using Strings = std::vector<std::string>;

// A picker that refuses every folder named "locked" and says why in the status line.
class LockAwarePicker : public FolderPicker {
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
    LockAwarePicker picker;
    picker.caption = "Pick a folder";
    picker.showStatusText = true;
    picker.initialFolder = (WorkPath("locked") + "\\ ").toStdString();
    scene().seam.OnNextFolderChooser(test::RealFolderChooser([&](QFileDialog& dialog) {
        test::Settle();
        EXPECT_EQ(dialog.windowTitle(), "Pick a folder");
        EXPECT_EQ(dialog.labelText(QFileDialog::LookIn), "Open");
        EXPECT_EQ(dialog.selectedFiles(), QStringList{WorkPath("locked")});
        EXPECT_TRUE(Contains(picker.asked, QDir::toNativeSeparators(WorkPath("locked"))));
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
    EXPECT_TRUE(picker.Browse(&owner));
    EXPECT_EQ(picker.selectedPath, QDir::toNativeSeparators(WorkPath("open")).toStdString());
}

TEST_F(ChoosersQtTest, NothingOutsideTheRootCanBeChosen) {
    MakeFolders({"root/inner", "outside"});
    test::OwnerDialog owner;
    LockAwarePicker picker;
    picker.rootFolder = WorkPath("root").toStdString();
    picker.initialFolder = WorkPath("outside").toStdString();
    scene().seam.OnNextFolderChooser(test::RealFolderChooser([&](QFileDialog& dialog) {
        test::Settle();
        EXPECT_FALSE(test::AcceptButton(dialog)->isEnabled());
        EXPECT_FALSE(Contains(picker.asked, QDir::toNativeSeparators(WorkPath("outside"))));
        test::TypeName(dialog, WorkPath("root/inner"));
        EXPECT_TRUE(test::AcceptButton(dialog)->isEnabled());
        test::AcceptButton(dialog)->click();
    }));
    EXPECT_TRUE(picker.Browse(&owner));
    EXPECT_EQ(picker.selectedPath, QDir::toNativeSeparators(WorkPath("root/inner")).toStdString());
}

TEST_F(ChoosersQtTest, FiltersKeepTheirLabelsInQtNotation) {
    const std::pair<std::string, QStringList> rows[] = {
        {"Text Files (*.sfd)|*.sfd|All Files (*.*)|*.*||",
         {"Text Files (*.sfd)", "All Files (*.*)"}},
        {"Text Files (*.txt)|*.txt|All Files (*.*)|*.*||",
         {"Text Files (*.txt)", "All Files (*.*)"}},
        {"Fonts|*.ttf;*.otf||", {"Fonts (*.ttf *.otf)"}}, // a label without patterns
        {"Tables (*.txt)|*.txt", {"Tables (*.txt)"}},     // no closing bars
        {"Tables", {}},                                   // a label alone
    };
    for (const auto& [filter, nameFilters] : rows) {
        EXPECT_EQ(ui::QtNameFilters(filter), nameFilters) << filter;
    }
}

} // namespace
} // namespace glyphsmith
