// SPDX-License-Identifier: MIT
// What only the Qt side shows of a link: the colour its label is painted in, and the
// hover colour that Qt's palette gives it.
#include "DialogTest.h"
#include "LinkDialog.h"
#include "UserActions.h"
#include "WidgetHandles.h"

#include <QApplication>
#include <QPalette>

namespace glyphsmith {
namespace {

using test::kLinkLabel;
using test::LinkDialog;

// The colour the label was last painted in, as "#rrggbb".
std::string DrawnColor(ui::Control label) {
    return ui::WidgetOf(label)->palette().color(QPalette::WindowText).name().toStdString();
}

class HyperLinkQtTest : public test::DialogTest {};

// Each change of the pointer's place repaints at once, in the colour of the new state.
TEST_F(HyperLinkQtTest, TheLabelIsPaintedInTheColourOfItsState) {
    LinkDialog dialog;
    const ui::Control label = dialog.Attach(kLinkLabel);
    Run(dialog, [&](ui::Dialog&) {
        dialog.link.SetLinkColors(Rgb(0, 0, 238), Rgb(85, 26, 139), Rgb(1, 2, 3));
        test::MovePointerOver(label);
        EXPECT_EQ(DrawnColor(label), "#010203");
        dialog.link.MarkVisited(true);
        test::MovePointerAway(dialog);
        EXPECT_EQ(DrawnColor(label), "#551a8b");
        dialog.link.MarkVisited(false);
        dialog.link.Repaint(true);
        EXPECT_EQ(DrawnColor(label), "#0000ee");
        dialog.EndDialog(ui::IDOK);
    });
}

TEST_F(HyperLinkQtTest, TheHoverColourDefaultsToTheHighlightColour) {
    const QPalette original = QApplication::palette();
    QPalette palette = original;
    palette.setColor(QPalette::Highlight, QColor(10, 20, 30));
    QApplication::setPalette(palette);
    LinkDialog dialog;
    const ui::Control label = dialog.Attach(kLinkLabel);
    ColorRef fromConstruction = 0;
    ColorRef fromSetter = 0;
    Run(dialog, [&](ui::Dialog&) {
        test::MovePointerOver(label);
        fromConstruction = dialog.link.TextColor();
        palette.setColor(QPalette::Highlight, QColor(40, 50, 60));
        QApplication::setPalette(palette);
        dialog.link.SetLinkColors(0, 0, kHighlightColor);
        fromSetter = dialog.link.TextColor();
        dialog.EndDialog(ui::IDOK);
    });
    QApplication::setPalette(original);
    EXPECT_EQ(fromConstruction, Rgb(10, 20, 30));
    EXPECT_EQ(fromSetter, Rgb(40, 50, 60));
}

} // namespace
} // namespace glyphsmith
