#include "AliasDialog.h"
#include "AliasDialogTemplate.h"
#include "CloneDialog.h"
#include "CloneDialogTemplate.h"
#include "EditBox.h"
#include "FontListDialog.h"
#include "FontListDialogTemplate.h"
#include "SettingsStore.h"
#include "UiTestCase.h"
#include "WindowChecks.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace glyphsmith {
namespace {

using namespace res;
using ui::IDCANCEL;
using ui::IDOK;

constexpr const char* kNoValue = "(no value)";
const QString kFontListDefault = QStringLiteral("song hei fs kai li you");

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString StoredFontList() {
    return Q(SettingsStore().ReadString(kSettingsSection, kFontListValue, kNoValue));
}

ui::EditBox* Edit(const ui::Dialog& dialog, int id) {
    return dynamic_cast<ui::EditBox*>(dialog.GetDlgItem(id));
}

void Click(const ui::Dialog& dialog, int id) {
    QTest::mouseClick(dialog.GetDlgItem(id), Qt::LeftButton);
}

// Every control as the prompt shows it, in template order: labels, buttons and group
// boxes by their text, edit boxes by their id and content.
QStringList ShownControls(const ui::Dialog& dialog) {
    QStringList shown;
    for (const QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            shown << label->text();
        } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            shown << button->text() + (button->isDefault() ? " (default)" : "");
        } else if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
            shown << group->title();
        } else if (const auto* edit = dynamic_cast<const ui::EditBox*>(control)) {
            shown << "[" + edit->objectName() + "] " + edit->text();
        }
    }
    return shown;
}

std::unique_ptr<ui::Dialog> MakePrompt(int templateId) {
    switch (templateId) {
    case 129:
        return std::make_unique<CloneDialog>();
    case 130:
        return std::make_unique<FontListDialog>();
    default:
        return std::make_unique<AliasDialog>();
    }
}

// The two names of a cloning or alias prompt: the one given at the start, then the one
// to be typed.
QStringList NamesOf(const ui::Dialog& prompt) {
    if (const auto* clone = dynamic_cast<const CloneDialog*>(&prompt)) {
        return {Q(clone->clonedFrom), Q(clone->clonedTo)};
    }
    const auto& alias = dynamic_cast<const AliasDialog&>(prompt);
    return {Q(alias.targetFont), Q(alias.aliasFont)};
}

// The ids of the controls that Tab visits from the first focus, back to where it began.
QStringList FocusRound(const ui::Dialog& dialog, int stops) {
    QStringList focused;
    for (int i = 0; i <= stops; ++i) {
        focused << dialog.focusWidget()->objectName();
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    }
    return focused;
}

class PromptDialogTest : public test::UiTestCase {
    Q_OBJECT

  private slots:
    void eachPromptShowsItsTemplate_data() {
        QTest::addColumn<int>("prompt");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<QStringList>("focus");

        QTest::newRow("font list") << 130 << "Fonts list to be generated..."
                                   << QStringList{"1) All fonts begin with \"gbk\";",
                                                  "2) Use ' '(space) to separate different fonts;",
                                                  "[1004] " + kFontListDefault,
                                                  "OK",
                                                  "Cancel",
                                                  "3) The list contains at most 255 characters."}
                                   << QStringList{"1004", "1", "2", "1004"};
        QTest::newRow("cloning") << 129 << "Cloning .htf files"
                                 << QStringList{"Please input prefix here",
                                                "Cloned to:",
                                                "[1002] ",
                                                "Cloned from:",
                                                "[1003] song",
                                                "OK (default)",
                                                "Cancel"}
                                 << QStringList{"1002", "1003", "1", "2", "1002"};
        QTest::newRow("alias") << 131 << "Creating alias"
                               << QStringList{"Please input prefix here",
                                              "Alias font:",
                                              "[1012] ",
                                              "Target font:",
                                              "[1011] song",
                                              "OK (default)",
                                              "Cancel"}
                               << QStringList{"1012", "1011", "1", "2", "1012"};
    }

    // The name still to be typed comes first in the tab order, though it stands below.
    void eachPromptShowsItsTemplate() {
        QFETCH(int, prompt);
        QFETCH(QString, caption);
        QFETCH(QStringList, controls);
        QFETCH(QStringList, focus);

        const std::unique_ptr<ui::Dialog> dialog = MakePrompt(prompt);
        Run(*dialog, [&](ui::Dialog& shown) {
            QCOMPARE(shown.windowTitle(), caption);
            QCOMPARE(ShownControls(shown), controls);
            QCOMPARE(test::LayoutFaults(shown), QStringList());
            QCOMPARE(FocusRound(shown, focus.size() - 1), focus);
            shown.EndDialog(IDCANCEL);
        });
    }

    void theFontListStartsFromTheStore_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("absent") << QString() << kFontListDefault;
        QTest::newRow("stored") << "kai  li "
                                << "kai  li ";
        QTest::newRow("stored empty") << ""
                                      << "";
    }

    void theFontListStartsFromTheStore() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        if (!stored.isNull()) {
            SettingsStore().WriteString(kSettingsSection, kFontListValue, stored.toStdString());
        }
        FontListDialog dialog;
        QCOMPARE(Q(dialog.fontList), shown);
        Run(dialog, [&](ui::Dialog&) {
            QCOMPARE(Edit(dialog, kFontListEdit)->text(), shown);
            Click(dialog, IDCANCEL);
        });
    }

    // Each prompt reads the store anew, so it shows what the last OK stored. Blanks and
    // an empty list are stored as typed.
    void okStoresTheListAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("blanks kept") << "  song  hei " << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("Enter in the box") << "kai" << true;
    }

    void okStoresTheListAsTyped() {
        QFETCH(QString, typed);
        QFETCH(bool, byEnter);
        FontListDialog dialog;
        const int result = Run(dialog, [&](ui::Dialog&) {
            ui::EditBox* edit = Edit(dialog, kFontListEdit);
            edit->clear();
            QTest::keyClicks(edit, typed);
            if (byEnter) {
                QTest::keyClick(edit, Qt::Key_Return);
            } else {
                Click(dialog, IDOK);
            }
        });
        QCOMPARE(result, IDOK);
        QCOMPARE(Q(dialog.fontList), typed);
        QCOMPARE(StoredFontList(), typed);
        QCOMPARE(Q(FontListDialog().fontList), typed);
        QCOMPARE(scene().seam.Messages(), QStringList());
    }

    // The box takes 256 characters, one more than the third rule line says.
    void typingStopsAt256Characters() {
        FontListDialog dialog;
        const QString typed = QString(100, 'a') + " " + QString(199, 'b');
        Run(dialog, [&](ui::Dialog&) {
            ui::EditBox* edit = Edit(dialog, kFontListEdit);
            edit->clear();
            QTest::keyClicks(edit, typed);
            QCOMPARE(edit->text(), typed.left(256));
            Click(dialog, IDOK);
        });
        QCOMPARE(StoredFontList(), typed.left(256));
    }

    // Only a list stored longer than the box allows can fail the check: the prompt says
    // why, keeps the focus in the list and stays open until the list is short enough.
    void anOverlongStoredListFailsOnOk() {
        const QString overlong = QString(150, 'a') + " " + QString(149, 'b');
        SettingsStore().WriteString(kSettingsSection, kFontListValue, overlong.toStdString());
        FontListDialog dialog;
        const int result = Run(dialog, [&](ui::Dialog& shown) {
            ui::EditBox* edit = Edit(dialog, kFontListEdit);
            QCOMPARE(edit->text(), overlong);
            Click(shown, IDOK);
            QVERIFY(shown.isVisible());
            QCOMPARE(shown.focusWidget(), edit);
            QCOMPARE(StoredFontList(), overlong);

            QTest::keyClicks(edit, "song");
            QCOMPARE(edit->text(), "song");
            Click(shown, IDOK);
        });
        QCOMPARE(result, IDOK);
        QCOMPARE(scene().seam.Messages(),
                 QStringList{test::Box(QCoreApplication::applicationName(),
                                       "At most 256 characters may be entered in this box.",
                                       ui::MB_ICONEXCLAMATION)});
        QCOMPARE(StoredFontList(), "song");
    }

    void aNamePromptReturnsTheNamesOnOkOnly_data() {
        QTest::addColumn<int>("prompt");
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("result");
        QTest::newRow("cloning, Enter") << 129 << 0 << IDOK;
        QTest::newRow("cloning, Escape") << 129 << 1 << IDCANCEL;
        QTest::newRow("alias, Enter") << 131 << 0 << IDOK;
        QTest::newRow("alias, Cancel button") << 131 << 2 << IDCANCEL;
    }

    // Enter in a box presses the default button, OK. The names are taken as typed, blanks
    // and all; Cancel leaves the start values.
    void aNamePromptReturnsTheNamesOnOkOnly() {
        QFETCH(int, prompt);
        QFETCH(int, way);
        QFETCH(int, result);
        const std::unique_ptr<ui::Dialog> dialog = MakePrompt(prompt);
        const int ended = Run(*dialog, [&](ui::Dialog& shown) {
            QTest::keyClicks(shown.focusWidget(), " Kai sl");
            QTest::keyClick(shown.focusWidget(), Qt::Key_Tab);
            QTest::keyClick(shown.focusWidget(), Qt::Key_End);
            QTest::keyClicks(shown.focusWidget(), "x");
            if (way == 0) {
                QTest::keyClick(shown.focusWidget(), Qt::Key_Return);
            } else if (way == 1) {
                QTest::keyClick(&shown, Qt::Key_Escape);
            } else {
                Click(shown, IDCANCEL);
            }
        });
        QCOMPARE(ended, result);
        const QStringList names =
            result == IDOK ? QStringList{"songx", " Kai sl"} : QStringList{"song", ""};
        QCOMPARE(NamesOf(*dialog), names);
        QCOMPARE(scene().store.WrittenFiles(), QStringList());
    }
};

} // namespace
} // namespace glyphsmith

QTEST_MAIN(glyphsmith::PromptDialogTest)
#include "PromptDialogTest.moc"
