#include "EditBox.h"
#include "FileDialogs.h"
#include "MainDialog.h"
#include "MainDialogTemplate.h"
#include "SettingsStore.h"
#include "UiTestCase.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

namespace glyphsmith {
namespace {

using namespace res;
using ui::IDCANCEL;

QString Text(const MainDialog& dialog, int id) {
    return dynamic_cast<ui::EditBox*>(dialog.GetDlgItem(id))->text();
}

QCheckBox* Check(const MainDialog& dialog, int id) {
    return dynamic_cast<QCheckBox*>(dialog.GetDlgItem(id));
}

void Click(const MainDialog& dialog, int id) {
    QTest::mouseClick(dialog.GetDlgItem(id), Qt::LeftButton);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Edits that no run has read yet: a refresh of the controls undoes them.
void EditTheOptions(const MainDialog& dialog) {
    QTest::keyClicks(dialog.GetDlgItem(kFontFamilyEdit), "Kai");
    QTest::keyClicks(dialog.GetDlgItem(kOtherStyleEdit), "color: red");
    Check(dialog, kBoldCheck)->setChecked(true);
    Check(dialog, kDiscardBlanksCheck)->setChecked(false);
}

bool OptionsAsEdited(const MainDialog& dialog) {
    return Text(dialog, kFontFamilyEdit) == "Kai" &&
           Text(dialog, kOtherStyleEdit) == "color: red" &&
           Check(dialog, kBoldCheck)->isChecked() &&
           !Check(dialog, kDiscardBlanksCheck)->isChecked();
}

bool OptionsAsAtStart(const MainDialog& dialog) {
    return Text(dialog, kFontFamilyEdit).isEmpty() && Text(dialog, kOtherStyleEdit).isEmpty() &&
           !Check(dialog, kBoldCheck)->isChecked() &&
           Check(dialog, kDiscardBlanksCheck)->isChecked();
}

// What a chooser was asked, in one line: a folder chooser's prompt and initial folder, or
// a file chooser's extension, initial name and filters.
QString Asked(const ui::FolderRequest& request) {
    return request.prompt + " | " + request.initialFolder;
}

QString Asked(const ui::FileRequest& request) {
    return request.defaultExtension + " | " + request.initialName + " | " +
           request.nameFilters.join(" ; ");
}

template <class Request> auto Answering(const std::optional<QString>& path, QString* asked) {
    return [=](const Request& request) {
        if (asked != nullptr) {
            *asked = Asked(request);
        }
        return path;
    };
}

// The five path fields: the button, the control, the chooser's kind, the value name, what
// the chooser is asked, and the message for the same path.
void RowData() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("edit");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("valueName");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("samePath");
    const QString htf = kDefaultHtfDirectory;
    const QString alias = kDefaultAliasDirectory;
    const QString sfdFilters = "Text Files (*.sfd) ; All Files (*.*)";
    const QString txtFilters = "Text Files (*.txt) ; All Files (*.*)";
    QTest::newRow(".htf directory")
        << int(kPickHtfDirectoryButton) << int(kHtfDirectoryEdit) << true
        << QString(kHtfDirectoryValue) << "Set the Target Directory of gbk*.htf files: | " + htf
        << QStringLiteral("The same directory of .htf files is selected!");
    QTest::newRow("alias directory")
        << int(kPickAliasDirectoryButton) << int(kAliasDirectoryEdit) << true
        << QString(kAliasDirectoryValue)
        << "Set the Target Directory of alias gbk*.htf files: | " + alias
        << QStringLiteral("The same directory of alias .htf files is selected!");
    QTest::newRow("UGBK.sfd file")
        << int(kPickSfdFileButton) << int(kSfdFileEdit) << false << QString(kSfdFileValue)
        << "sfd | UGBK | " + sfdFilters << QStringLiteral("The same UGBK.sfd file is selected!");
    QTest::newRow("code page file")
        << int(kPickCodePageFileButton) << int(kCodePageFileEdit) << false
        << QString(kCodePageFileValue) << "txt |  | " + txtFilters
        << QStringLiteral("The same Microsoft GBK codepage file is selected!");
    QTest::newRow(".enc directory")
        << int(kPickEncDirectoryButton) << int(kEncDirectoryEdit) << true
        << QString(kEncDirectoryValue)
        << QStringLiteral("Set the Source Directory of gbk*.enc files: | enc")
        << QStringLiteral("The same directory of .enc files is selected!");
}

class PathChoosersTest : public test::UiTestCase {
    Q_OBJECT

    // Answers the next chooser of the row's kind with the path, or with Cancel.
    void Answer(const std::optional<QString>& path, QString* asked = nullptr) {
        QFETCH(bool, folder);
        if (folder) {
            scene().seam.OnNextFolderChooser(Answering<ui::FolderRequest>(path, asked));
        } else {
            scene().seam.OnNextFileChooser(Answering<ui::FileRequest>(path, asked));
        }
    }

    // The value as a program started afresh reads it from the store's file on disk.
    QString StoredOnDisk(const QString& valueName) {
        const QStringList files = scene().store.WrittenFiles().filter(QString(kOrganisation) + '/');
        if (files.size() != 1) {
            return "settings files written: " + QString::number(files.size());
        }
        const QString copy = QString::fromStdString((scene().work.Path() / "copy.conf").string());
        QFile::remove(copy);
        QFile::copy(files[0], copy);
        return QSettings(copy, QSettings::NativeFormat).value("Settings/" + valueName).toString();
    }

    // Runs a new main window and hands back the text of one control.
    QString ShownAfterRestart(int editId) {
        MainDialog restarted;
        QString shown;
        Run(restarted, [&](ui::Dialog&) {
            shown = Text(restarted, editId);
            restarted.EndDialog(IDCANCEL);
        });
        return shown;
    }

    // Clicks one button of a new main window; its record afterwards.
    GenerationSettings SettingsAfterClicking(int button) {
        MainDialog dialog;
        Run(dialog, [&](ui::Dialog&) {
            Click(dialog, button);
            dialog.EndDialog(IDCANCEL);
        });
        return dialog.Settings();
    }

  private slots:
    void aNewPathIsStoredShownAndKept_data() { RowData(); }
    void aNewPathIsStoredShownAndKept() {
        QFETCH(int, button);
        QFETCH(int, edit);
        QFETCH(QString, valueName);
        QFETCH(QString, asked);
        const QString picked = "/picked/\u5b8b\u4f53 fonts";
        QString request;
        MainDialog dialog;
        Run(dialog, [&](ui::Dialog&) {
            EditTheOptions(dialog);
            Answer(picked, &request);
            Click(dialog, button);
            QCOMPARE(Text(dialog, edit), picked);
            QVERIFY(OptionsAsAtStart(dialog));
            dialog.EndDialog(IDCANCEL);
        });
        QCOMPARE(request, asked);
        QCOMPARE(scene().seam.Messages(), QStringList());
        QCOMPARE(StoredOnDisk(valueName), picked);
        QCOMPARE(ShownAfterRestart(edit), picked);
    }

    // The default is what the window shows at a first start; picking it again is refused.
    void theSamePathIsRefusedAndNothingWritten_data() { RowData(); }
    void theSamePathIsRefusedAndNothingWritten() {
        QFETCH(int, button);
        QFETCH(int, edit);
        QFETCH(QString, samePath);
        MainDialog dialog;
        Run(dialog, [&](ui::Dialog&) {
            EditTheOptions(dialog);
            Answer(Text(dialog, edit));
            Click(dialog, button);
            QVERIFY(OptionsAsEdited(dialog));
            dialog.EndDialog(IDCANCEL);
        });
        QCOMPARE(scene().seam.Messages(),
                 QStringList{test::Box(QCoreApplication::applicationName(), samePath, ui::MB_OK)});
        QCOMPARE(scene().store.WrittenFiles(), QStringList());
    }

    void cancelChangesAndShowsNothing_data() { RowData(); }
    void cancelChangesAndShowsNothing() {
        QFETCH(int, button);
        QFETCH(int, edit);
        QFETCH(bool, folder);
        MainDialog dialog;
        Run(dialog, [&](ui::Dialog&) {
            const QString before = Text(dialog, edit);
            EditTheOptions(dialog);
            Answer(std::nullopt);
            Click(dialog, button);
            if (folder) {
                Answer(QString()); // a choice that is no folder on disk
                Click(dialog, button);
            }
            QCOMPARE(Text(dialog, edit), before);
            QVERIFY(OptionsAsEdited(dialog));
            dialog.EndDialog(IDCANCEL);
        });
        QCOMPARE(scene().seam.Messages(), QStringList());
        QCOMPARE(scene().store.WrittenFiles(), QStringList());
    }

    void anotherLetterCaseIsANewPath_data() { RowData(); }
    void anotherLetterCaseIsANewPath() {
        QFETCH(int, button);
        QFETCH(int, edit);
        QFETCH(QString, valueName);
        SettingsStore().WriteString(kSettingsSection, valueName.toUtf8().constData(), "/Fonts/GBK");
        MainDialog dialog;
        Run(dialog, [&](ui::Dialog&) {
            Answer("/fonts/gbk");
            Click(dialog, button);
            QCOMPARE(Text(dialog, edit), "/fonts/gbk");
            dialog.EndDialog(IDCANCEL);
        });
        QCOMPARE(scene().seam.Messages(), QStringList());
        QCOMPARE(StoredOnDisk(valueName), "/fonts/gbk");
    }

    // The chooser opens at the stored folder; the stored text itself stays as it was.
    void aStoredFolderEndingInASeparatorStillOpensThere() {
        SettingsStore().WriteString(kSettingsSection, kHtfDirectoryValue, "/data/htf\\  ");
        SettingsStore().WriteString(kSettingsSection, kAliasDirectoryValue, "/data/alias/ ");
        const QStringList storeFiles = scene().store.WrittenFiles();
        const QByteArray stored = ReadAll(storeFiles.value(0));
        QStringList initialFolders;
        for (int i = 0; i < 2; ++i) {
            scene().seam.OnNextFolderChooser([&](const ui::FolderRequest& request) {
                initialFolders << request.initialFolder;
                return std::nullopt;
            });
        }
        MainDialog dialog;
        Run(dialog, [&](ui::Dialog&) {
            Click(dialog, kPickHtfDirectoryButton);
            Click(dialog, kPickAliasDirectoryButton);
            QCOMPARE(Text(dialog, kHtfDirectoryEdit), "/data/htf\\  ");
            QCOMPARE(Text(dialog, kAliasDirectoryEdit), "/data/alias/ ");
            dialog.EndDialog(IDCANCEL);
        });
        QCOMPARE(initialFolders, QStringList({"/data/htf", "/data/alias"}));
        QCOMPARE(QString::fromStdString(dialog.Settings().htfDirectory), "/data/htf\\  ");
        QCOMPARE(ReadAll(storeFiles.value(0)), stored);
    }

    // Confirming the prefilled name in Qt's own dialog picks UGBK.sfd in the folder shown.
    void theSfdChooserTurnsUgbkIntoUgbkDotSfd() {
        QString folder;
        scene().seam.OnNextRealFileChooser([&](QFileDialog& dialog) {
            QCOMPARE(test::NameLine(dialog)->text(), "UGBK");
            QCOMPARE(dialog.selectedNameFilter(), "Text Files (*.sfd)");
            folder = dialog.directory().absolutePath();
            test::AcceptButton(dialog)->click();
        });
        const GenerationSettings settings = SettingsAfterClicking(kPickSfdFileButton);
        const QString expected = QDir::toNativeSeparators(folder + "/UGBK.sfd");
        QCOMPARE(QString::fromStdString(settings.sfdFile), expected);
        QCOMPARE(StoredOnDisk(kSfdFileValue), expected);
    }

    // The whole way from the button through Qt's own directory chooser to the store.
    void theRealFolderChooserSetsTheEncDirectory() {
        const QString work = QString::fromStdString(scene().work.Path().string());
        QVERIFY(QDir(work).mkpath("enc/gbksong"));
        QVERIFY(QDir(work).mkpath("sources"));
        scene().seam.OnNextRealFolderChooser([&](QFileDialog& dialog) {
            QCOMPARE(dialog.labelText(QFileDialog::LookIn),
                     "Set the Source Directory of gbk*.enc files:");
            QCOMPARE(dialog.selectedFiles(), QStringList{work + "/enc"});
            test::TypeName(dialog, work + "/sources");
            test::AcceptButton(dialog)->click();
        });
        const GenerationSettings settings = SettingsAfterClicking(kPickEncDirectoryButton);
        const QString expected = QDir::toNativeSeparators(work + "/sources");
        QCOMPARE(QString::fromStdString(settings.encDirectory), expected);
        QCOMPARE(StoredOnDisk(kEncDirectoryValue), expected);
    }
};

} // namespace
} // namespace glyphsmith

QTEST_MAIN(glyphsmith::PathChoosersTest)
#include "PathChoosersTest.moc"
