// SPDX-License-Identifier: MIT
// What only the Win32 side shows of a link: the colour that its dialog draws its text in
// when the label asks while painting, and the hand cursor.
#include "DialogTest.h"
#include "LinkDialog.h"
#include "UserActions.h"
#include "Win32Windows.h"

namespace glyphsmith {
namespace {

using test::kLinkLabel;
using test::LinkDialog;

// The text colour that the label gets from its dialog, over a hollow brush and without a
// background of its own; none where it would paint a background.
std::optional<ColorRef> DrawnColor(ui::Control label) {
    HWND window = ui::WindowOf(label);
    HDC context = GetDC(window);
    const LRESULT brush =
        SendMessageW(GetParent(window), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                     reinterpret_cast<LPARAM>(window));
    const bool overWhatLiesBeneath =
        brush == reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)) &&
        GetBkMode(context) == TRANSPARENT;
    const COLORREF color = GetTextColor(context);
    ReleaseDC(window, context);
    return overWhatLiesBeneath ? std::optional<ColorRef>(color) : std::nullopt;
}

bool ShowsHandCursor(ui::Control label) {
    return test::CursorShown(label) == ui::Cursor::PointingHand;
}

class HyperLinkWin32Test : public test::DialogTest {};

TEST_F(HyperLinkWin32Test, TheLabelIsDrawnInTheColourOfItsState) {
    LinkDialog dialog;
    const ui::Control label = dialog.Attach(kLinkLabel);
    const ui::Control plain = dialog.GetDlgItem(test::kRightLabel);
    Run(dialog, [&](ui::Dialog&) {
        dialog.link.SetLinkColors(Rgb(0, 0, 238), Rgb(85, 26, 139), Rgb(1, 2, 3));
        EXPECT_EQ(DrawnColor(label), Rgb(0, 0, 238));
        test::MovePointerOver(label);
        EXPECT_EQ(DrawnColor(label), Rgb(1, 2, 3));
        dialog.link.MarkVisited(true);
        test::MovePointerAway(dialog);
        EXPECT_EQ(DrawnColor(label), Rgb(85, 26, 139));
        EXPECT_EQ(DrawnColor(plain), std::nullopt);
        dialog.EndDialog(IDOK);
    });
}

TEST_F(HyperLinkWin32Test, TheHandCursorShowsOnlyWhereTheLinkHasOne) {
    LinkDialog dialog;
    const ui::Control label = dialog.Attach(kLinkLabel);
    EXPECT_TRUE(ShowsHandCursor(label));
    dialog.link.SetPointerCursor(std::nullopt);
    EXPECT_FALSE(ShowsHandCursor(label));
}

} // namespace
} // namespace glyphsmith
