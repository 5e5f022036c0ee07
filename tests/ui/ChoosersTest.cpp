#include "FileDialogs.h"
#include "FileOpenChooser.h"
#include "FolderPicker.h"
#include "UiTestCase.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace glyphsmith {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A picker that refuses every folder named "locked" and says why in the status line.
class LockAwarePicker : public FolderPicker {
  public:
    QStringList asked;

    bool ValidateSelection(const std::string& path, std::string& statusText) override {
        asked << Q(path);
        if (QFileInfo(Q(path)).fileName() == "locked") {
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

class ChoosersTest : public test::UiTestCase {
    Q_OBJECT

    QString WorkPath(const QString& below = {}) {
        const QString work = QString::fromStdString(scene().work.Path().string());
        return below.isEmpty() ? work : work + '/' + below;
    }

    void MakeFolders(const QStringList& folders) {
        for (const QString& folder : folders) {
            QVERIFY(QDir().mkpath(WorkPath(folder)));
        }
    }

  private slots:
    void browseTrimsTheInitialFolderForTheChooser_data() {
        QTest::addColumn<QString>("initialFolder");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("backslash and blanks")
            << QStringLiteral("/data/htf\\  ") << QStringLiteral("/data/htf");
        QTest::newRow("slash and white space")
            << QStringLiteral("/data/htf/ \t\r\n") << QStringLiteral("/data/htf");
        QTest::newRow("one separator only")
            << QStringLiteral("/data/htf//") << QStringLiteral("/data/htf/");
        QTest::newRow("blank inside kept")
            << QStringLiteral("/data/my htf") << QStringLiteral("/data/my htf");
        QTest::newRow("only blanks") << QStringLiteral("   ") << QStringLiteral("");
        QTest::newRow("root alone") << QStringLiteral("/") << QStringLiteral("");
    }

    void browseTrimsTheInitialFolderForTheChooser() {
        QFETCH(QString, initialFolder);
        QFETCH(QString, trimmed);
        QString asked = "not asked";
        scene().seam.OnNextFolderChooser([&](const ui::FolderRequest& request) {
            asked = request.initialFolder;
            return std::nullopt;
        });
        QWidget owner;
        FolderPicker picker;
        picker.initialFolder = initialFolder.toStdString();
        QVERIFY(!picker.Browse(&owner));
        QCOMPARE(asked, trimmed);
        QCOMPARE(Q(picker.initialFolder), trimmed);
    }

    void onlyAConfirmedFolderOnDiskIsTaken() {
        QWidget owner;
        QStringList prompts;
        for (const std::optional<QString>& answer :
             {std::optional<QString>(), std::optional<QString>(""),
              std::optional<QString>("/data/\u6587\u4ef6")}) {
            scene().seam.OnNextFolderChooser([&, answer](const ui::FolderRequest& request) {
                prompts << request.prompt;
                return answer;
            });
        }
        FolderPicker picker;
        QVERIFY(!picker.Browse(&owner));
        QVERIFY(!picker.Browse(&owner));
        QCOMPARE(Q(picker.selectedPath), "");
        picker.prompt = "Set the folder:";
        QVERIFY(picker.Browse(&owner));
        QCOMPARE(Q(picker.selectedPath), "/data/\u6587\u4ef6");
        QCOMPARE(prompts, QStringList({"Open", "Open", "Set the folder:"}));
    }

    void aRefusedSelectionDisablesOkAndShowsItsStatus() {
        MakeFolders({"locked", "open"});
        QWidget owner;
        LockAwarePicker picker;
        picker.caption = "Pick a folder";
        picker.showStatusText = true;
        picker.initialFolder = (WorkPath("locked") + "\\ ").toStdString();
        scene().seam.OnNextRealFolderChooser([&](QFileDialog& dialog) {
            test::Settle();
            QCOMPARE(dialog.windowTitle(), "Pick a folder");
            QCOMPARE(dialog.labelText(QFileDialog::LookIn), "Open");
            QCOMPARE(dialog.selectedFiles(), QStringList{WorkPath("locked")});
            QVERIFY(picker.asked.contains(QDir::toNativeSeparators(WorkPath("locked"))));
            QVERIFY(!test::AcceptButton(dialog)->isEnabled());
            QVERIFY(HasLabel(dialog, "locked folder"));
            QMetaObject::invokeMethod(&dialog, "accept");
            test::Settle();
            QVERIFY(dialog.isVisible());

            test::TypeName(dialog, WorkPath("open"));
            QVERIFY(test::AcceptButton(dialog)->isEnabled());
            QVERIFY(!HasLabel(dialog, "locked folder"));
            test::AcceptButton(dialog)->click();
        });
        QVERIFY(picker.Browse(&owner));
        QCOMPARE(Q(picker.selectedPath), QDir::toNativeSeparators(WorkPath("open")));
    }

    void nothingOutsideTheRootCanBeChosen() {
        MakeFolders({"root/inner", "outside"});
        QWidget owner;
        LockAwarePicker picker;
        picker.rootFolder = WorkPath("root").toStdString();
        picker.initialFolder = WorkPath("outside").toStdString();
        scene().seam.OnNextRealFolderChooser([&](QFileDialog& dialog) {
            test::Settle();
            QVERIFY(!test::AcceptButton(dialog)->isEnabled());
            QVERIFY(!picker.asked.contains(QDir::toNativeSeparators(WorkPath("outside"))));
            test::TypeName(dialog, WorkPath("root/inner"));
            QVERIFY(test::AcceptButton(dialog)->isEnabled());
            test::AcceptButton(dialog)->click();
        });
        QVERIFY(picker.Browse(&owner));
        QCOMPARE(Q(picker.selectedPath), QDir::toNativeSeparators(WorkPath("root/inner")));

        // A root that does not exist keeps the chooser from starting at all.
        const ui::ScopedModalSeam programSeam(ui::ProgramModalSeam());
        picker.rootFolder = WorkPath("missing").toStdString();
        QVERIFY(!picker.Browse(&owner));
    }

    void filtersKeepTheirLabelsInQtNotation_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("nameFilters");
        QTest::newRow("sfd") << QStringLiteral("Text Files (*.sfd)|*.sfd|All Files (*.*)|*.*||")
                             << QStringList({"Text Files (*.sfd)", "All Files (*.*)"});
        QTest::newRow("txt") << QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*||")
                             << QStringList({"Text Files (*.txt)", "All Files (*.*)"});
        QTest::newRow("label without patterns")
            << QStringLiteral("Fonts|*.ttf;*.otf||") << QStringList({"Fonts (*.ttf *.otf)"});
        QTest::newRow("no closing bars")
            << QStringLiteral("Tables (*.txt)|*.txt") << QStringList({"Tables (*.txt)"});
        QTest::newRow("label alone") << QStringLiteral("Tables") << QStringList();
    }

    void filtersKeepTheirLabelsInQtNotation() {
        QFETCH(QString, filter);
        QFETCH(QStringList, nameFilters);
        QCOMPARE(QtNameFilters(filter.toStdString()), nameFilters);
    }
};

} // namespace
} // namespace glyphsmith

QTEST_MAIN(glyphsmith::ChoosersTest)
#include "ChoosersTest.moc"
