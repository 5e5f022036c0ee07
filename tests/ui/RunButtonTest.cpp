#include "AliasDialogTemplate.h"
#include "CloneDialogTemplate.h"
#include "EditBox.h"
#include "FontListDialogTemplate.h"
#include "MainDialog.h"
#include "MainDialogTemplate.h"
#include "Paths.h"
#include "SettingsStore.h"
#include "UiTestCase.h"
#include "WindowChecks.h"

#include <QCheckBox>
#include <QTest>
#include <filesystem>
#include <functional>

namespace glyphsmith {
namespace {

using namespace res;
using ui::IDCANCEL;
using ui::IDOK;
using Step = test::ScriptedModalSeam::DialogStep;

const QString kOldLog = QStringLiteral("the log of an earlier run\n");

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString Q(const std::filesystem::path& path) {
    return Q(path.string());
}

ui::EditBox* Edit(const ui::Dialog& dialog, int id) {
    return dynamic_cast<ui::EditBox*>(dialog.GetDlgItem(id));
}

QCheckBox* Check(const ui::Dialog& dialog, int id) {
    return dynamic_cast<QCheckBox*>(dialog.GetDlgItem(id));
}

void Click(const ui::Dialog& dialog, int id) {
    QTest::mouseClick(dialog.GetDlgItem(id), Qt::LeftButton);
}

// A prompt answered with a text in one of its boxes and OK.
Step Answer(int edit, const QString& text) {
    return [edit, text](ui::Dialog& prompt) {
        Edit(prompt, edit)->clear();
        QTest::keyClicks(Edit(prompt, edit), text);
        Click(prompt, IDOK);
    };
}

QString Hex4(int value) {
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

// Code i of subfont b stands for U+4E00 + 256 (b - 1) + i, each subfont on one line.
std::string CompleteSfd() {
    std::string text = "% made by a test\n% The input encoding is Unicode.\n\n";
    for (int subfont = 1; subfont <= 94; ++subfont) {
        text += TwoDigits(subfont);
        for (int code = 0; code < 256; ++code) {
            text += " 0x" + Hex4(0x4E00 + 256 * (subfont - 1) + code).toStdString();
        }
        text += '\n';
    }
    return text;
}

// The family song in the layout the generators write, each file with codes 0 and 1.
void WriteSongFamily(const std::filesystem::path& htfDirectory) {
    for (int subfont = 1; subfont <= 94; ++subfont) {
        const std::string name = "gbksong" + TwoDigits(subfont);
        test::WriteFile(htfDirectory / "gbksong" / (name + ".htf"),
                        name + " 0 1\n'&#x4E00;' ''   0\n'&#x4E01;' ''   1\n" + name + " 0 1\n");
    }
}

QString Text(const std::filesystem::path& path) {
    return QString::fromUtf8(test::ReadAll(Q(path)));
}

class RunButtonTest : public test::UiTestCase {
    Q_OBJECT

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
    QStringList WindowAgainstCli() {
        const std::filesystem::path root = scene().work.Path();
        return test::TreeDifferences(Q(root / "window"), Q(root / "cli"));
    }

    void ExpectOneMessage(const QString& caption, const QString& text, unsigned type) {
        QCOMPARE(scene().seam.Messages(), QStringList{test::Box(caption, text, type)});
    }

  private slots:
    void generator1WritesWhatTheCommandLineWrites() {
        for (const char* side : {"cli", "window"}) {
            const std::filesystem::path run = EnterRun(side);
            test::WriteFile(run / "UGBK.sfd", CompleteSfd());
            test::WriteFile(run / "copyright.txt", "% made by a test\n% gbk.htf of today\n");
        }
        ClickRun(kGenerator1Button, Answer(kFontListEdit, "song  kai "));
        ExpectOneMessage("Information", "All .htf files have been created!", ui::MB_OK);
        QCOMPARE(Q(SettingsStore().ReadString(kSettingsSection, kFontListValue, "")), "song  kai ");

        const std::filesystem::path root = scene().work.Path();
        QCOMPARE(test::RunProgram(GLYPHSMITH_CLI, {"gen1", "--families", "song  kai "},
                                  Q(root / "cli" / "run")),
                 0);
        const QStringList lines =
            Text(root / "window/ht-fonts/unicode/cjk/gbkkai/gbkkai94.htf").split('\n');
        QCOMPARE(lines.size(), 41);
        QCOMPARE(lines.mid(0, 2),
                 QStringList({"gbkkai94 0 37", "'&#xAB00;' ''   0% made by a test"}));
        QCOMPARE(lines.mid(38), QStringList({"'&#xAB25;' ''  37", "gbkkai94 0 37", ""}));
        QCOMPARE(WindowAgainstCli(), QStringList());
    }

    void cloningWritesWhatTheCommandLineWrites() {
        for (const char* side : {"cli", "window"}) {
            WriteSongFamily(EnterRun(side).parent_path() / "ht-fonts/unicode/cjk");
        }
        ClickRun(kCloneButton, Answer(kClonedToEdit, "fsong"));
        ExpectOneMessage("Information", "All .htf files have been created!", ui::MB_OK);

        const std::filesystem::path root = scene().work.Path();
        QCOMPARE(test::RunProgram(GLYPHSMITH_CLI, {"clone", "--from", "song", "--to", "fsong"},
                                  Q(root / "cli" / "run")),
                 0);
        QCOMPARE(Text(root / "window/ht-fonts/unicode/cjk/gbkfsong/gbkfsong07.htf"),
                 "gbkfsong07 0 1  %cloned from gbksong07.htf\n"
                 "'&#x4E00;' ''   0\n'&#x4E01;' ''   1\ngbkfsong07 0 1\n");
        QCOMPARE(WindowAgainstCli(), QStringList());
    }

    // The "sl" rule shows in the check box as soon as the run starts, and since the box
    // keeps it, the next run is italic as well.
    void aliasWritesWhatTheCommandLineWritesAndKeepsItalic() {
        EnterRun("cli");
        EnterRun("window");
        const std::filesystem::path aliases = scene().work.Path() / "window/ht-fonts/alias/gbk";
        MainDialog dialog;
        Run(dialog, [&](ui::Dialog&) {
            Check(dialog, kBoldCheck)->setChecked(true);
            QTest::keyClicks(Edit(dialog, kFontFamilyEdit), "serif");
            QTest::keyClicks(Edit(dialog, kOtherStyleEdit), "color: navy");
            scene().seam.OnNextDialog(Answer(kAliasFontEdit, "songsl"));
            Click(dialog, kAliasButton);
            QVERIFY(Check(dialog, kItalicCheck)->isChecked());
            QCOMPARE(Text(aliases / "gbksongsl/gbksongsl07.htf"),
                     ".gbksong07\nhtfcss: gbksongsl07 font-family: serif; font-weight: bold; "
                     "font-style: italic; color: navy;\n\n");
            QCOMPARE(test::RunProgram(GLYPHSMITH_CLI,
                                      {"alias", "--target", "song", "--alias", "songsl", "--bold",
                                       "--font-family", "serif", "--other", "color: navy"},
                                      Q(scene().work.Path() / "cli" / "run")),
                     0);
            QCOMPARE(WindowAgainstCli(), QStringList());

            Check(dialog, kBoldCheck)->setChecked(false);
            scene().seam.OnNextDialog(Answer(kAliasFontEdit, "kai"));
            Click(dialog, kAliasButton);
            QVERIFY(Check(dialog, kItalicCheck)->isChecked());
            dialog.EndDialog(IDCANCEL);
        });
        QVERIFY(dialog.Settings().italic);
        QCOMPARE(Text(aliases / "gbkkai/gbkkai07.htf"),
                 ".gbksong07\nhtfcss: gbkkai07 font-family: serif; font-style: italic; "
                 "color: navy;\n\n");
        const QString done =
            test::Box("Information", "All alias .htf files have been created!", ui::MB_OK);
        QCOMPARE(scene().seam.Messages(), QStringList({done, done}));
    }

    void cancelInAPromptChangesNothing_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("edit");
        QTest::addColumn<int>("way");
        QTest::newRow("font list, Escape") << int(kGenerator1Button) << int(kFontListEdit) << 0;
        QTest::newRow("cloning, Cancel") << int(kCloneButton) << int(kClonedToEdit) << 1;
        QTest::newRow("alias, close box") << int(kAliasButton) << int(kAliasFontEdit) << 2;
    }

    // Even a typed alias that ends in "sl" leaves italic off.
    void cancelInAPromptChangesNothing() {
        QFETCH(int, button);
        QFETCH(int, edit);
        QFETCH(int, way);
        const std::filesystem::path run = EnterRun("window");
        WriteSongFamily(run.parent_path() / "ht-fonts/unicode/cjk");
        test::WriteFile(run / "log.txt", kOldLog.toStdString());
        const auto before = test::FilesUnder(Q(run.parent_path()));

        ClickRun(
            button,
            [edit, way](ui::Dialog& prompt) {
                QTest::keyClicks(Edit(prompt, edit), "songsl");
                if (way == 0) {
                    QTest::keyClick(&prompt, Qt::Key_Escape);
                } else if (way == 1) {
                    Click(prompt, IDCANCEL);
                } else {
                    prompt.close();
                }
            },
            [](MainDialog& dialog) {
                QVERIFY(!Check(dialog, kItalicCheck)->isChecked());
                QVERIFY(!dialog.Settings().italic);
            });
        QCOMPARE(scene().seam.Messages(), QStringList());
        QVERIFY(test::FilesUnder(Q(run.parent_path())) == before);
        QVERIFY(!std::filesystem::exists(run.parent_path() / "ht-fonts/alias"));
        QCOMPARE(scene().store.WrittenFiles(), QStringList());
    }

    void aNameWithAPathSeparatorIsRefused_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("edit");
        QTest::newRow("cloning") << int(kCloneButton) << int(kClonedToEdit);
        QTest::newRow("alias") << int(kAliasButton) << int(kAliasFontEdit);
    }

    void aNameWithAPathSeparatorIsRefused() {
        QFETCH(int, button);
        QFETCH(int, edit);
        const std::filesystem::path run = EnterRun("window");
        WriteSongFamily(run.parent_path() / "ht-fonts/unicode/cjk");
        test::WriteFile(run / "log.txt", kOldLog.toStdString());
        const auto before = test::FilesUnder(Q(run.parent_path()));

        ClickRun(button, Answer(edit, "../x"));
        ExpectOneMessage("Warning!",
                         "The font name \"../x\" holds a path separator (\"/\" or \"\\\"), which "
                         "would put its files outside the directory. Please type the name "
                         "without it!",
                         ui::MB_ICONEXCLAMATION);
        QVERIFY(test::FilesUnder(Q(run.parent_path())) == before);
        QVERIFY(!std::filesystem::exists(run.parent_path() / "ht-fonts/alias"));
    }

    // The list is stored when the prompt closes with OK, before the window's own check
    // fails on a path too long for its box and stops the run.
    void generator1StopsWhenTheWindowFailsItsCheck() {
        EnterRun("window");
        SettingsStore().WriteString(kSettingsSection, kSfdFileValue, std::string(300, 's'));
        ClickRun(kGenerator1Button, Answer(kFontListEdit, "kai"), [](MainDialog& dialog) {
            QCOMPARE(dialog.focusWidget(), dialog.GetDlgItem(kSfdFileEdit));
        });
        ExpectOneMessage(QCoreApplication::applicationName(),
                         "At most 256 characters may be entered in this box.",
                         ui::MB_ICONEXCLAMATION);
        QCOMPARE(Q(SettingsStore().ReadString(kSettingsSection, kFontListValue, "")), "kai");
        QVERIFY(!std::filesystem::exists("log.txt"));
    }
};

} // namespace
} // namespace glyphsmith

QTEST_MAIN(glyphsmith::RunButtonTest)
#include "RunButtonTest.moc"
