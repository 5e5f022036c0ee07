// SPDX-License-Identifier: MIT
#include "Dialog.h"
#include "DialogTest.h"
#include "DialogUnits.h"
#include "ProgramName.h"
#include "SubclassedControl.h"
#include "UserActions.h"

#include <stdexcept>
#include <vector>

namespace glyphsmith::ui {
namespace {

using test::Key;
using Strings = std::vector<std::string>;

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

DialogTemplate TemplateOf(std::span<const ControlTemplate> controls) {
    return {"Test dialog", 130, 90, "Verdana", 8, controls};
}

// Counts how often it was attached and the clicks on its label.
class RecordingLabel : public SubclassedControl {
  public:
    int attached = 0;
    int clicks = 0;

    void OnClicked() override { ++clicks; }

  protected:
    void PreSubclassWindow() override { ++attached; }
};

class TestDialog : public Dialog {
  public:
    explicit TestDialog(const DialogTemplate& dialogTemplate) : Dialog(dialogTemplate) {}

    std::string Text(int id) const { return GetDlgItem(id).Text(); }

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

class FrameworkTest : public test::DialogTest {
  protected:
    const DialogTemplate template_ = TemplateOf(kControls);
};

TEST(DialogUnitsTest, RoundLikeTheDialogManager) {
    const DialogUnits units(7, 13);
    EXPECT_EQ(units.X(2), 4); // 3.5 rounds up
    EXPECT_EQ(units.Y(4), 7); // 6.5 rounds up
    EXPECT_EQ(units.Y(1), 2);
    EXPECT_EQ(units.Map({133, 291, 107, 14}), (Rect{233, 473, 187, 23}));
}

// The sizes are those of 7 x 13 base units, which Verdana 8 pt and its stand-in share.
TEST_F(FrameworkTest, ControlsComeFromTheTemplate) {
    const TestDialog dialog(template_);
    EXPECT_EQ(test::ClientSize(dialog), (Size{228, 146}));
    EXPECT_EQ(dialog.GetDlgItem(-1).Kind(), ControlKind::GroupBox); // the first unnamed one
    EXPECT_EQ(dialog.GetDlgItem(kNoteLabel).Kind(), ControlKind::Label);
    EXPECT_EQ(dialog.GetDlgItem(kNameEdit).Kind(), ControlKind::Edit);
    EXPECT_EQ(dialog.GetDlgItem(kAgreeCheck).Kind(), ControlKind::CheckBox);
    EXPECT_FALSE(dialog.GetDlgItem(999));
    EXPECT_EQ(dialog.GetDlgItem(kAgreeCheck).Geometry(), (Rect{123, 39, 88, 16}));
}

TEST_F(FrameworkTest, ExchangeFailsAtTheControlOverItsLimit) {
    TestDialog dialog(template_);
    bool exchanged = true;
    Run(dialog, [&](Dialog&) {
        dialog.limited = "abcdefgh"; // as a chooser puts a long path in, after the limit
        dialog.UpdateData(false);
        EXPECT_EQ(dialog.Text(kLimitedEdit), "abcdefgh");
        dialog.GetDlgItem(kNameEdit).SetText("second");
        dialog.GetDlgItem(kAgreeCheck).SetChecked(true);
        exchanged = dialog.UpdateData(true);
        EXPECT_EQ(test::FocusedControl(dialog), dialog.GetDlgItem(kLimitedEdit));
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_FALSE(exchanged);
    EXPECT_EQ(
        scene().seam.Messages(),
        Strings{test::Box(platform::ProgramName(),
                          "At most 5 characters may be entered in this box.", MB_ICONEXCLAMATION)});
    EXPECT_EQ(dialog.name, "second");
    EXPECT_EQ(dialog.limited, "abcdefgh");
    EXPECT_FALSE(dialog.agree);
}

TEST_F(FrameworkTest, TypingStopsAtTheLimitWhileDeletingWorks) {
    TestDialog dialog(template_);
    dialog.limited = "abcdefgh";
    Run(dialog, [&](Dialog&) {
        const Control edit = dialog.GetDlgItem(kLimitedEdit);
        test::Press(edit, Key::End);
        test::Type(edit, "x");
        EXPECT_EQ(edit.Text(), "abcdefgh");
        for (int i = 0; i < 4; ++i) {
            test::Press(edit, Key::Backspace);
        }
        test::Type(edit, "xyz");
        EXPECT_EQ(edit.Text(), "abcdx");
        dialog.EndDialog(IDCANCEL);
    });
}

TEST_F(FrameworkTest, OkReadsTheControlsAndCancelDoesNot) {
    for (const auto& [button, name] : {std::pair{IDOK, "typed"}, {IDCANCEL, "first"}}) {
        TestDialog dialog(template_);
        const int result = Run(dialog, [&](Dialog&) {
            dialog.GetDlgItem(kNameEdit).SetText("typed");
            test::Click(dialog.GetDlgItem(button));
        });
        EXPECT_EQ(result, button);
        EXPECT_EQ(dialog.name, name);
    }
}

TEST_F(FrameworkTest, OkStaysOpenWhenTheExchangeFails) {
    TestDialog dialog(template_);
    dialog.limited = "abcdefgh";
    Run(dialog, [&](Dialog& shown) {
        test::Click(dialog.GetDlgItem(IDOK));
        EXPECT_TRUE(test::IsShown(shown));
        dialog.GetDlgItem(kLimitedEdit).SetText("abc");
        test::Click(dialog.GetDlgItem(IDOK));
    });
    EXPECT_EQ(scene().seam.Messages().size(), 1u);
    EXPECT_EQ(dialog.Result(), IDOK);
}

TEST_F(FrameworkTest, TheMessageMapTakesClicksAndEnter) {
    TestDialog dialog(template_);
    Run(dialog, [&](Dialog& shown) {
        test::Click(dialog.GetDlgItem(kApplyButton));
        test::Press(dialog.GetDlgItem(kApplyButton), Key::Enter);
        EXPECT_EQ(dialog.applied, 2);
        EXPECT_TRUE(test::IsShown(shown));
        test::Press(dialog.GetDlgItem(kNameEdit), Key::Enter);
    });
    EXPECT_EQ(dialog.Result(), IDOK); // Enter without a default button sends IDOK
}

TEST_F(FrameworkTest, EnterPressesTheTemplatesDefaultButton) {
    std::vector<ControlTemplate> controls(std::begin(kControls), std::end(kControls));
    controls[5].style = kDefaultButton;
    const DialogTemplate withDefault = TemplateOf(controls);
    TestDialog dialog(withDefault);
    Run(dialog, [&](Dialog& shown) {
        test::Press(dialog.GetDlgItem(kNameEdit), Key::KeypadEnter);
        EXPECT_EQ(dialog.applied, 1);
        EXPECT_TRUE(test::IsShown(shown));
        shown.EndDialog(IDCANCEL);
    });
}

// A right click is no click.
TEST_F(FrameworkTest, AControlObjectAttachesOnceAndTakesClicks) {
    TestDialog dialog(template_);
    Run(dialog, [&](Dialog&) {
        EXPECT_EQ(dialog.note.Window(), dialog.GetDlgItem(kNoteLabel));
        EXPECT_TRUE(dialog.UpdateData(true));
        EXPECT_TRUE(dialog.UpdateData(false));
        EXPECT_EQ(dialog.note.attached, 1);
        test::Click(dialog.GetDlgItem(kNoteLabel));
        test::RightClick(dialog.GetDlgItem(kNoteLabel));
        EXPECT_EQ(dialog.note.clicks, 1);
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_FALSE(dialog.note.SubclassWindow(dialog.GetDlgItem(kAgreeCheck)));
}

TEST_F(FrameworkTest, AControlObjectMayOutliveItsControl) {
    RecordingLabel outside;
    {
        const TestDialog dialog(template_);
        EXPECT_TRUE(outside.SubclassWindow(dialog.GetDlgItem(kNoteLabel)));
    }
    EXPECT_FALSE(outside.Window());
}

TEST_F(FrameworkTest, AWrongControlIsAProgrammingError) {
    TestDialog dialog(template_);
    DataExchange dx(dialog, false);
    bool flag = false;
    std::string text;
    EXPECT_THROW(DDX_Check(dx, kNameEdit, flag), std::logic_error);
    EXPECT_THROW(DDX_Text(dx, 999, text), std::logic_error);
}

TEST_F(FrameworkTest, AnUnansweredDialogIsCancelledAtTheDeadline) {
    test::ScriptedModalSeam seam; // in force over the scene's own
    TestDialog dialog(template_);
    seam.OnNextDialog([](Dialog&) {});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(seam.Complaints(), Strings{"a dialog left open: Test dialog"});
}

} // namespace
} // namespace glyphsmith::ui
