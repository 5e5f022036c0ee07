#include "Dialog.h"
#include "EditBox.h"
#include "SubclassedControl.h"
#include "UiTestCase.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <stdexcept>
#include <vector>

namespace glyphsmith::ui {
namespace {

enum : int { kNameEdit = 101, kLimitedEdit = 102, kAgreeCheck = 103, kApplyButton = 104 };
constexpr int kNoteLabel = 105;
constexpr int kLimit = 5;

// clang-format off
constexpr ControlTemplate kControls[] = {
    {-1, ControlKind::GroupBox, "&Frame", {4, 4, 120, 60}},
    {kNoteLabel, ControlKind::Label, "a note", {8, 14, 60, 8}},
    {kNameEdit, ControlKind::Edit, "", {8, 24, 60, 12}},
    {kLimitedEdit, ControlKind::Edit, "", {8, 38, 60, 12}},
    {kAgreeCheck, ControlKind::CheckBox, "&Agree", {70, 24, 50, 10}},
    {kApplyButton, ControlKind::PushButton, "Apply", {70, 38, 40, 14}},
    {IDOK, ControlKind::PushButton, "OK", {8, 70, 40, 14}},
    {IDCANCEL, ControlKind::PushButton, "Cancel", {60, 70, 40, 14}},
};
// clang-format on

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

DialogTemplate TemplateOf(std::span<const ControlTemplate> controls) {
    return {900, "Test dialog", 130, 90, "Verdana", 8, controls};
}

// Counts how often it was attached and which presses on its label it took.
class RecordingLabel : public StaticControl {
  public:
    int attached = 0;
    int presses = 0;

  protected:
    void PreSubclassWindow() override { ++attached; }
    bool WindowEvent(QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress) {
            return false;
        }
        ++presses;
        return true;
    }
};

class TestDialog : public Dialog {
  public:
    explicit TestDialog(const DialogTemplate& dialogTemplate) : Dialog(dialogTemplate) {}

    template <class Control> Control* Item(int id) const {
        return dynamic_cast<Control*>(GetDlgItem(id));
    }

    std::string name = "first";
    std::string limited = "abc";
    bool agree = false;
    int applied = 0;
    RecordingLabel note;

  protected:
    void DoDataExchange(DataExchange& dx) override {
        DDX_Text(dx, kNameEdit, name);
        DDX_Text(dx, kLimitedEdit, limited);
        DDV_MaxChars(dx, limited, kLimit);
        DDX_Check(dx, kAgreeCheck, agree);
        DDX_Control(dx, kNoteLabel, note);
    }
    MessageMap GetMessageMap() const override {
        static constexpr MessageMapEntry kMap[] = {OnClicked<&TestDialog::OnApply>(kApplyButton)};
        return kMap;
    }

  private:
    void OnApply() { ++applied; }
};

class FrameworkTest : public test::UiTestCase {
    Q_OBJECT

    const DialogTemplate template_ = TemplateOf(kControls);

  private slots:
    void dialogUnitsRoundLikeTheDialogManager() {
        const QFont font = DialogFont("No Such Face For Glyphsmith", 8);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("DejaVu Sans"));
        const DialogUnits units(font);
        QCOMPARE(units.BaseX(), 7);
        QCOMPARE(units.BaseY(), 13);
        QCOMPARE(units.X(2), 4); // 3.5 rounds up
        QCOMPARE(units.Y(4), 7); // 6.5 rounds up
        QCOMPARE(units.Y(1), 2);
        QCOMPARE(units.Map({133, 291, 107, 14}), QRect(233, 473, 187, 23));
    }

    void controlsComeFromTheTemplate() {
        TestDialog dialog(template_);
        if (QFontInfo(dialog.font()).family() != QStringLiteral("DejaVu Sans")) {
            QSKIP("the sizes below are those of DejaVu Sans");
        }
        QCOMPARE(dialog.size(), QSize(228, 146));
        QVERIFY(dialog.Item<QGroupBox>(-1) != nullptr); // the first of the unnamed ones
        QVERIFY(dialog.Item<QLabel>(kNoteLabel) != nullptr);
        QVERIFY(dialog.Item<EditBox>(kNameEdit) != nullptr);
        QVERIFY(dialog.Item<QCheckBox>(kAgreeCheck) != nullptr);
        QCOMPARE(dialog.GetDlgItem(999), nullptr);
        QCOMPARE(dialog.GetDlgItem(kAgreeCheck)->geometry(), QRect(123, 39, 88, 16));
    }

    void exchangeFailsAtTheControlOverItsLimit() {
        TestDialog dialog(template_);
        bool exchanged = true;
        Run(dialog, [&](Dialog&) {
            dialog.limited = "abcdefgh"; // as a picker puts a long path in, after the limit
            dialog.UpdateData(false);
            QCOMPARE(dialog.Item<EditBox>(kLimitedEdit)->text(), QStringLiteral("abcdefgh"));
            dialog.Item<EditBox>(kNameEdit)->setText("second");
            dialog.Item<QCheckBox>(kAgreeCheck)->setChecked(true);
            exchanged = dialog.UpdateData(true);
            QCOMPARE(dialog.focusWidget(), dialog.GetDlgItem(kLimitedEdit));
            dialog.EndDialog(IDCANCEL);
        });
        QVERIFY(!exchanged);
        QCOMPARE(scene().seam.Messages(),
                 QStringList{test::Box(QCoreApplication::applicationName(),
                                       "At most 5 characters may be entered in this box.",
                                       MB_ICONEXCLAMATION)});
        QCOMPARE(Q(dialog.name), "second");
        QCOMPARE(Q(dialog.limited), "abcdefgh");
        QCOMPARE(dialog.agree, false);
    }

    void typingStopsAtTheLimitWhileDeletingWorks() {
        TestDialog dialog(template_);
        dialog.limited = "abcdefgh";
        Run(dialog, [&](Dialog&) {
            EditBox* edit = dialog.Item<EditBox>(kLimitedEdit);
            edit->setFocus();
            edit->end(false);
            QTest::keyClick(edit, Qt::Key_X);
            QCOMPARE(edit->text(), QStringLiteral("abcdefgh"));
            for (int i = 0; i < 4; ++i) {
                QTest::keyClick(edit, Qt::Key_Backspace);
            }
            QTest::keyClicks(edit, "xyz");
            QCOMPARE(edit->text(), QStringLiteral("abcdx"));
            dialog.EndDialog(IDCANCEL);
        });
    }

    void okReadsTheControlsAndCancelDoesNot() {
        for (const auto& [button, name] : {std::pair{IDOK, "typed"}, {IDCANCEL, "first"}}) {
            TestDialog dialog(template_);
            const int result = Run(dialog, [&](Dialog&) {
                dialog.Item<EditBox>(kNameEdit)->setText("typed");
                QTest::mouseClick(dialog.GetDlgItem(button), Qt::LeftButton);
            });
            QCOMPARE(result, button);
            QCOMPARE(Q(dialog.name), name);
        }
    }

    void okStaysOpenWhenTheExchangeFails() {
        TestDialog dialog(template_);
        dialog.limited = "abcdefgh";
        Run(dialog, [&](Dialog& shown) {
            QTest::mouseClick(dialog.GetDlgItem(IDOK), Qt::LeftButton);
            QVERIFY(shown.isVisible());
            dialog.Item<EditBox>(kLimitedEdit)->setText("abc");
            QTest::mouseClick(dialog.GetDlgItem(IDOK), Qt::LeftButton);
        });
        QCOMPARE(scene().seam.Messages().size(), 1);
        QCOMPARE(dialog.result(), IDOK);
    }

    void theMessageMapTakesClicksAndEnter() {
        TestDialog dialog(template_);
        Run(dialog, [&](Dialog& shown) {
            QTest::mouseClick(dialog.GetDlgItem(kApplyButton), Qt::LeftButton);
            dialog.GetDlgItem(kApplyButton)->setFocus();
            QTest::keyClick(dialog.GetDlgItem(kApplyButton), Qt::Key_Return);
            QCOMPARE(dialog.applied, 2);
            QVERIFY(shown.isVisible());
            dialog.GetDlgItem(kNameEdit)->setFocus();
            QTest::keyClick(dialog.GetDlgItem(kNameEdit), Qt::Key_Return);
        });
        QCOMPARE(dialog.result(), IDOK); // Enter without a default button sends IDOK
    }

    void enterPressesTheTemplatesDefaultButton() {
        std::vector<ControlTemplate> controls(std::begin(kControls), std::end(kControls));
        controls[5].style = kDefaultButton;
        const DialogTemplate withDefault = TemplateOf(controls);
        TestDialog dialog(withDefault);
        Run(dialog, [&](Dialog& shown) {
            QTest::keyClick(dialog.GetDlgItem(kNameEdit), Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(dialog.applied, 1);
            QVERIFY(shown.isVisible());
            shown.EndDialog(IDCANCEL);
        });
    }

    void aControlObjectAttachesOnceAndTakesEvents() {
        TestDialog dialog(template_);
        Run(dialog, [&](Dialog&) {
            QCOMPARE(dialog.note.Label(), dialog.GetDlgItem(kNoteLabel));
            QVERIFY(dialog.UpdateData(true));
            QVERIFY(dialog.UpdateData(false));
            QCOMPARE(dialog.note.attached, 1);
            QTest::mouseClick(dialog.GetDlgItem(kNoteLabel), Qt::LeftButton);
            QCOMPARE(dialog.note.presses, 1);
            dialog.EndDialog(IDCANCEL);
        });
        QVERIFY(!dialog.note.SubclassWindow(dialog.GetDlgItem(kAgreeCheck)));
    }

    void aControlObjectMayOutliveItsControl() {
        RecordingLabel outside;
        {
            TestDialog dialog(template_);
            QVERIFY(outside.SubclassWindow(dialog.GetDlgItem(kNoteLabel)));
        }
        QCOMPARE(outside.Window(), nullptr);
    }

    void aWrongControlIsAProgrammingError() {
        TestDialog dialog(template_);
        DataExchange dx(dialog, false);
        bool flag = false;
        std::string text;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, DDX_Check(dx, kNameEdit, flag));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, DDX_Text(dx, 999, text));
    }

    void anUnansweredDialogIsCancelledAtTheDeadline() {
        test::ScriptedModalSeam seam; // in force over the scene's own
        TestDialog dialog(template_);
        seam.OnNextDialog([](Dialog&) {});
        QCOMPARE(dialog.DoModal(), IDCANCEL);
        QCOMPARE(seam.Complaints(), QStringList{"a dialog left open: Test dialog"});
    }
};

} // namespace
} // namespace glyphsmith::ui

QTEST_MAIN(glyphsmith::ui::FrameworkTest)
#include "FrameworkTest.moc"
