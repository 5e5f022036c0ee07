// SPDX-License-Identifier: MIT
#include "HyperLink.h"

#include "DialogTest.h"
#include "LinkDialog.h"
#include "Platform.h"
#include "ProgramName.h"
#include "UserActions.h"

#include <cstdlib>

namespace glyphsmith {
namespace {

using test::kCentredLabel;
using test::kEmptyLabel;
using test::kLinkLabel;
using test::kRightLabel;
using test::LinkDialog;
using Strings = std::vector<std::string>;

const std::string kTarget = "https://example.org/target";

int MiddleY(const ui::Rect& rect) {
    return rect.y + rect.height / 2;
}

struct FitCase {
    const char* name;
    unsigned style;
    ui::Size text;
    ui::Rect fitted;
};

// clang-format off
constexpr FitCase kFitCases[] = {
    {"left", ui::kPlain, {40, 16}, {10, 20, 40, 16}},
    {"centre", ui::kCenter, {40, 16}, {40, 20, 40, 16}},
    {"centre, odd difference", ui::kCenter, {41, 16}, {39, 20, 42, 16}},
    {"right", ui::kRight, {40, 16}, {70, 20, 40, 16}},
    {"wider than the label, centred", ui::kCenter, {130, 16}, {-5, 20, 130, 16}},
    {"wider than the label, right", ui::kRight, {130, 16}, {-20, 20, 130, 16}},
    {"taller, vertically centred", ui::kVerticalCenter, {40, 16}, {10, 19, 40, 15}},
    {"lower, vertically centred", ui::kVerticalCenter, {40, 8}, {10, 22, 40, 9}},
};
// clang-format on

TEST(FitRectToTextTest, FittingFollowsTheAlignment) {
    const ui::Rect label{10, 20, 100, 13};
    for (const FitCase& fit : kFitCases) {
        EXPECT_EQ(FitRectToText(label, fit.text, fit.style), fit.fitted) << fit.name;
    }
}

class HyperLinkTest : public test::DialogTest {};

// The label's alignment in the template and the link font decide the fit.
TEST_F(HyperLinkTest, AnAttachedLabelFitsItsText) {
    LinkDialog right;
    const ui::Rect before = right.GetDlgItem(kRightLabel).Geometry();
    const ui::Control label = right.Attach(kRightLabel);
    const ui::Size text = right.link.TextExtent();
    EXPECT_EQ(label.Geometry(),
              (ui::Rect{before.Right() - text.width, before.y, text.width, text.height}));

    LinkDialog middle;
    const ui::Rect centred = middle.GetDlgItem(kCentredLabel).Geometry();
    const ui::Rect after = middle.Attach(kCentredLabel).Geometry();
    EXPECT_LE(std::abs(MiddleY(after) - MiddleY(centred)), 1);
    EXPECT_EQ(after.x, centred.x);
}

TEST_F(HyperLinkTest, AttachingFillsTextAndTargetFromEachOther) {
    LinkDialog ownText;
    ui::Control label = ownText.Attach(kLinkLabel);
    EXPECT_EQ(ownText.link.Target(), "a link");
    EXPECT_EQ(test::ToolTip(label), "a link");
    EXPECT_EQ(label.Text(), "a link");
    EXPECT_TRUE(test::Underlined(label));
    EXPECT_EQ(test::CursorShown(label), ui::Cursor::PointingHand);

    LinkDialog targetOnly;
    targetOnly.link.SetTarget(kTarget);
    label = targetOnly.Attach(kEmptyLabel);
    EXPECT_EQ(label.Text(), kTarget);
    EXPECT_EQ(test::ToolTip(label), kTarget);

    LinkDialog neither;
    label = neither.Attach(kEmptyLabel);
    EXPECT_EQ(label.Text(), "");
    EXPECT_EQ(test::ToolTip(label), "");
    EXPECT_EQ(neither.link.Target(), "");
    EXPECT_EQ(label.Geometry().width, 0);
}

TEST_F(HyperLinkTest, SetTargetRefitsButShowUnderlineDoesNot) {
    LinkDialog dialog;
    ui::Control label = dialog.Attach(kLinkLabel);
    const ui::Rect fitted = label.Geometry();
    const ui::Rect enlarged{fitted.x, fitted.y, 300, 40};
    label.SetGeometry(enlarged);
    dialog.link.ShowUnderline(false);
    EXPECT_FALSE(test::Underlined(label));
    EXPECT_EQ(label.Geometry(), enlarged);
    dialog.link.SetTarget(kTarget);
    EXPECT_EQ(test::ToolTip(label), kTarget);
    EXPECT_EQ(label.Text(), "a link");
    EXPECT_EQ(label.Geometry(), fitted);
}

TEST_F(HyperLinkTest, TheColourFollowsPointerAndVisits) {
    LinkDialog dialog;
    const ui::Control label = dialog.Attach(kLinkLabel);
    const ColorRef normal = Rgb(0, 0, 238);
    const ColorRef visited = Rgb(85, 26, 139);
    const ColorRef hover = Rgb(1, 2, 3);
    Run(dialog, [&](ui::Dialog&) {
        EXPECT_EQ(dialog.link.TextColor(), normal);
        dialog.link.SetLinkColors(normal, visited, hover);
        test::MovePointerOver(label);
        EXPECT_EQ(dialog.link.TextColor(), hover);
        dialog.link.MarkVisited(true);
        EXPECT_EQ(dialog.link.TextColor(), hover);
        test::MovePointerAway(dialog);
        EXPECT_EQ(dialog.link.TextColor(), visited);
        dialog.EndDialog(ui::IDOK);
    });
}

// A failure beeps and explains itself.
TEST_F(HyperLinkTest, AClickOpensTheTargetAndMarksTheOutcome) {
    LinkDialog dialog;
    dialog.link.SetTarget(kTarget);
    const ui::Control label = dialog.Attach(kLinkLabel);
    Run(dialog, [&](ui::Dialog&) {
        dialog.opener.desktopResult = OpenOutcome::Opened;
        test::Click(label);
        EXPECT_TRUE(dialog.link.Visited());
        dialog.opener.desktopResult = OpenOutcome::LibraryNotFound;
        test::Click(label);
        EXPECT_FALSE(dialog.link.Visited());
        dialog.opener.desktopResult = OpenOutcome::SharingViolation;
        test::Click(label);
        dialog.opener.webPageCommand = "browser \"%1\"";
        dialog.opener.webPageResult = OpenOutcome::Opened;
        test::Click(label);
        EXPECT_TRUE(dialog.link.Visited());
        test::RightClick(label);
        dialog.EndDialog(ui::IDOK);
    });
    EXPECT_EQ(dialog.opener.desktopOpens, Strings(4, kTarget));
    const std::string caption = platform::ProgramName();
    EXPECT_EQ(
        scene().seam.Messages(),
        Strings({test::Box(caption,
                           "Unable to open hyperlink:\n\nThe specified dynamic-link "
                           "library was not found.",
                           ui::MB_ICONEXCLAMATION),
                 test::Box(caption, "Unable to open hyperlink:\n\nA sharing violation occurred. ",
                           ui::MB_ICONEXCLAMATION)}));
}

} // namespace
} // namespace glyphsmith
