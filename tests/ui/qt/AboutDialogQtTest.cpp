// SPDX-License-Identifier: MIT
// What only the Qt side shows of the About box: the program's icon in its icon label.
#include "AboutDialog.h"
#include "DialogTest.h"
#include "IconResource.h"
#include "Resources.h"
#include "WidgetHandles.h"

#include <QLabel>

namespace glyphsmith {
namespace {

class AboutDialogQtTest : public test::DialogTest {};

TEST_F(AboutDialogQtTest, TheIconLabelShowsTheProgramsIconInItsLargeSize) {
    const AboutDialog about;
    const ui::Control icon = about.Window().Controls().front();
    ASSERT_EQ(icon.Kind(), ui::ControlKind::Icon);
    const auto* label = qobject_cast<const QLabel*>(ui::WidgetOf(icon));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text().toStdString(), "");
    EXPECT_EQ(label->pixmap().size(), QSize(32, 32));
    EXPECT_TRUE(label->pixmap().toImage() ==
                ui::IconResource(res::kApplicationIconId).pixmap(32).toImage());
}

} // namespace
} // namespace glyphsmith
