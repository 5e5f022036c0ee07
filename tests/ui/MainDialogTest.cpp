#include "MainDialog.h"

#include "Cp936Samples.h"
#include "EditBox.h"
#include "MainDialogTemplate.h"
#include "SettingsStore.h"
#include "UiTestCase.h"
#include "WindowChecks.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QTest>
#include <filesystem>

namespace glyphsmith {
namespace {

using namespace res;
using ui::IDCANCEL;
using ui::IDOK;

const QString kAboutEntry = QStringLiteral("&About Glyphsmith for TeXht...");

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The main window with an About box that only counts its openings, and its system
// command handler in reach.
class TestMainDialog : public MainDialog {
  public:
    int abouts = 0;

    void SysCommand(unsigned command) { OnSysCommand(command); }
    ui::EditBox* Edit(int id) const { return dynamic_cast<ui::EditBox*>(GetDlgItem(id)); }
    QCheckBox* Check(int id) const { return dynamic_cast<QCheckBox*>(GetDlgItem(id)); }
    void Click(int id) const { QTest::mouseClick(GetDlgItem(id), Qt::LeftButton); }

  protected:
    void OnAbout() override { ++abouts; }
};

void WriteSampleRun(const std::filesystem::path& runDirectory) {
    std::filesystem::create_directories(runDirectory);
    samples::WriteSampleInputs(runDirectory.string(), "gbksong");
    test::WriteFile(runDirectory / "copyright.txt", "% made by a test\n% for the .htf files\n");
}

class MainDialogTest : public test::UiTestCase {
    Q_OBJECT

  private slots:
    void aFirstStartShowsTheDefaults() {
        TestMainDialog dialog;
        Run(dialog, [&](ui::Dialog&) {
            QCOMPARE(dialog.Edit(kCodePageFileEdit)->text(), "MS-GBK-Codepage.txt");
            QCOMPARE(dialog.Edit(kEncDirectoryEdit)->text(), "enc");
            QCOMPARE(dialog.Edit(kHtfDirectoryEdit)->text(), kDefaultHtfDirectory);
            QCOMPARE(dialog.Edit(kSfdFileEdit)->text(), "UGBK.sfd");
            QCOMPARE(dialog.Edit(kAliasDirectoryEdit)->text(), kDefaultAliasDirectory);
            QVERIFY(dialog.Check(kDiscardBlanksCheck)->isChecked());
            QVERIFY(!dialog.Check(kBoldCheck)->isChecked());
            QVERIFY(!dialog.Check(kItalicCheck)->isChecked());
            QCOMPARE(dialog.Edit(kFontFamilyEdit)->text(), "");
            QCOMPARE(dialog.Edit(kOtherStyleEdit)->text(), "");
            QCOMPARE(dialog.windowTitle(), "Glyphsmith for TeX4ht (v 0.2)");
            const QList<QSize> iconSizes = dialog.windowIcon().availableSizes();
            QVERIFY(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)));
            dialog.EndDialog(IDCANCEL);
        });
    }

    void aStoredEmptyPathStaysEmptyAndStopsGenerator2() {
        SettingsStore().WriteString(kSettingsSection, kEncDirectoryValue, "");
        SettingsStore().WriteString(kSettingsSection, kHtfDirectoryValue, "/stored/htf");
        TestMainDialog dialog;
        Run(dialog, [&](ui::Dialog&) {
            QCOMPARE(dialog.Edit(kEncDirectoryEdit)->text(), "");
            QCOMPARE(dialog.Edit(kHtfDirectoryEdit)->text(), "/stored/htf");
            dialog.Click(kGenerator2Button);
            dialog.EndDialog(IDCANCEL);
        });
        QCOMPARE(scene().seam.Messages(),
                 QStringList{test::Box("Warning!", "Please set the related information firstly!",
                                       ui::MB_ICONEXCLAMATION)});
        QVERIFY(!std::filesystem::exists("log.txt"));
    }

    void styleBoxesStopAt255AndPathBoxesTakeNoTyping() {
        TestMainDialog dialog;
        Run(dialog, [&](ui::Dialog&) {
            for (const int id : {kFontFamilyEdit, kOtherStyleEdit}) {
                QTest::keyClicks(dialog.Edit(id), QString(300, 'a'));
                QCOMPARE(dialog.Edit(id)->text().size(), 255);
            }
            QTest::keyClicks(dialog.Edit(kEncDirectoryEdit), "typed");
            QCOMPARE(dialog.Edit(kEncDirectoryEdit)->text(), "enc");
            dialog.EndDialog(IDCANCEL);
        });
    }

    void anOverlongPathFailsTheExchangeAtItsControl() {
        const std::string longPath(300, 'p');
        SettingsStore().WriteString(kSettingsSection, kEncDirectoryValue, longPath);
        TestMainDialog dialog;
        Run(dialog, [&](ui::Dialog&) {
            QCOMPARE(dialog.Edit(kEncDirectoryEdit)->text(), Q(longPath));
            dialog.Edit(kCodePageFileEdit)->SetText("picked.txt");
            QTest::keyClicks(dialog.Edit(kFontFamilyEdit), "Song");
            dialog.Click(kGenerator2Button);
            QCOMPARE(dialog.focusWidget(), dialog.GetDlgItem(kEncDirectoryEdit));
            dialog.EndDialog(IDCANCEL);
        });
        QCOMPARE(scene().seam.Messages(),
                 QStringList{test::Box(QCoreApplication::applicationName(),
                                       "At most 256 characters may be entered in this box.",
                                       ui::MB_ICONEXCLAMATION)});
        QCOMPARE(Q(dialog.Settings().codePageFile), "picked.txt");
        QCOMPARE(Q(dialog.Settings().encDirectory), Q(longPath));
        QCOMPARE(Q(dialog.Settings().fontFamily), "");
        QVERIFY(!std::filesystem::exists("log.txt"));
    }

    void systemCommandsOfTheAboutEntryOpenTheAboutBox() {
        TestMainDialog dialog;
        const int result = Run(dialog, [&](ui::Dialog&) {
            for (unsigned command = 16; command <= 31; ++command) {
                dialog.SysCommand(command);
            }
            QCOMPARE(dialog.abouts, 16);
            for (const unsigned command : {0u, 15u, 32u, 0x90u, 0xF010u, 0xF120u}) {
                dialog.SysCommand(command);
            }
            QCOMPARE(dialog.abouts, 16);
            dialog.Click(kAboutButton);
            QCOMPARE(dialog.abouts, 17);
            QVERIFY(dialog.isVisible());
            dialog.SysCommand(0xF06F); // Close, with low bits set
        });
        QCOMPARE(result, IDCANCEL);
    }

    void theBackgroundMenuStandsForTheSystemMenu() {
        TestMainDialog dialog;
        const int result = Run(dialog, [&](ui::Dialog&) {
            QContextMenuEvent onBackground(QContextMenuEvent::Mouse, QPoint(3, 3),
                                           dialog.mapToGlobal(QPoint(3, 3)));
            scene().seam.OnNextMenu(kAboutEntry);
            QApplication::sendEvent(&dialog, &onBackground);
            QCOMPARE(dialog.abouts, 1);
            QCOMPARE(scene().seam.LastMenu(), QStringList({"&Close", "", kAboutEntry}));
            scene().seam.OnNextMenu("&Close");
            QApplication::sendEvent(&dialog, &onBackground);
        });
        QCOMPARE(result, IDCANCEL);
    }

    // Exit is the Cancel command, like Escape and the close box: nothing is read from the
    // controls and nothing is written to the store. Enter in a text box is OK.
    void everyWayOutWritesNothing() {
        SettingsStore().WriteString(kSettingsSection, kHtfDirectoryValue, "/stored/htf");
        const QStringList storeFiles = scene().store.WrittenFiles();
        QCOMPARE(storeFiles.size(), 1);
        const QByteArray stored = test::ReadAll(storeFiles[0]);

        const std::vector<std::pair<int, test::ScriptedModalSeam::DialogStep>> waysOut = {
            {IDCANCEL, [](ui::Dialog& shown) { QTest::keyClick(&shown, Qt::Key_Escape); }},
            {IDCANCEL,
             [](ui::Dialog& shown) {
                 QTest::mouseClick(shown.GetDlgItem(IDCANCEL), Qt::LeftButton);
             }},
            {IDCANCEL, [](ui::Dialog& shown) { shown.close(); }},
            {IDOK,
             [](ui::Dialog& shown) {
                 QTest::keyClick(shown.GetDlgItem(kFontFamilyEdit), Qt::Key_Return);
             }},
        };
        for (const auto& [expected, wayOut] : waysOut) {
            TestMainDialog dialog;
            const int result = Run(dialog, [&](ui::Dialog& shown) {
                QTest::keyClicks(dialog.Edit(kFontFamilyEdit), "Hei");
                dialog.Check(kBoldCheck)->setChecked(true);
                wayOut(shown);
            });
            QCOMPARE(result, expected);
            QCOMPARE(Q(dialog.Settings().fontFamily), expected == IDOK ? "Hei" : "");
        }
        QCOMPARE(scene().store.WrittenFiles(), storeFiles);
        QCOMPARE(test::ReadAll(storeFiles[0]), stored);
    }

    void generator2FromTheButtonWritesWhatTheCommandLineWrites() {
        const std::filesystem::path root = scene().work.Path();
        WriteSampleRun(root / "window" / "run");
        WriteSampleRun(root / "cli" / "run");

        std::filesystem::current_path(root / "window" / "run");
        TestMainDialog dialog;
        Run(dialog, [&](ui::Dialog&) {
            dialog.Check(kDiscardBlanksCheck)->setChecked(false);
            dialog.Click(kGenerator2Button);
            dialog.EndDialog(IDCANCEL);
        });
        QCOMPARE(
            scene().seam.Messages(),
            QStringList{test::Box("Information", "All .htf files have been created!", ui::MB_OK)});
        QCOMPARE(scene().seam.WaitCursorAtMessages(), QList<bool>{false});
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        QCOMPARE(test::RunProgram(GLYPHSMITH_CLI, {"gen2", "--keep-blanks"},
                                  Q((root / "cli" / "run").string())),
                 0);
        QVERIFY(
            std::filesystem::exists(root / "window/ht-fonts/unicode/cjk/gbksong/gbksong94.htf"));
        QVERIFY(std::filesystem::exists(root / "window/run/log.txt"));
        QCOMPARE(test::TreeDifferences(Q((root / "window").string()), Q((root / "cli").string())),
                 QStringList());
    }

    void tabFollowsTemplateOrder() {
        TestMainDialog dialog;
        QStringList focused;
        Run(dialog, [&](ui::Dialog& shown) {
            for (int i = 0; i < 22; ++i) {
                focused << shown.focusWidget()->objectName();
                QTest::keyClick(shown.focusWidget(), Qt::Key_Tab);
            }
            shown.EndDialog(IDCANCEL);
        });
        QCOMPARE(focused,
                 QStringList({"1004", "4",    "8",    "1006", "10",   "1014", "1015", "1016",
                              "9",    "1010", "1005", "1001", "7",    "1002", "1000", "1003",
                              "3",    "5",    "6",    "2",    "1017", "1004"}));
    }

    void theLayoutHoldsTogether() {
        const TestMainDialog dialog;
        if (QFontInfo(dialog.font()).family() != QStringLiteral("DejaVu Sans")) {
            QSKIP("the pixel sizes below are those of DejaVu Sans 8 pt");
        }
        QCOMPARE(dialog.size(), QSize(460, 509));
        QCOMPARE(dialog.GetDlgItem(IDCANCEL)->geometry(), QRect(233, 473, 187, 23));
        QCOMPARE(dialog.GetDlgItem(kGenerator2Button)->geometry(), QRect(35, 432, 385, 23));
        QCOMPARE(dialog.GetDlgItem(kHtfDirectoryEdit)->geometry(), QRect(35, 44, 361, 23));
        QCOMPARE(dialog.GetDlgItem(-1)->geometry(), QRect(12, 11, 436, 197));

        QCOMPARE(dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 31);
        QCOMPARE(test::LayoutFaults(dialog), QStringList());
    }
};

} // namespace
} // namespace glyphsmith

QTEST_MAIN(glyphsmith::MainDialogTest)
#include "MainDialogTest.moc"
