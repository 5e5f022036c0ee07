// SPDX-License-Identifier: MIT
// What only the Qt side shows of the main window: its icon, the background menu that
// stands for the system menu, and captions that fit their controls in Qt's fonts.
#include "DialogTest.h"
#include "MainDialog.h"
#include "MainDialogTemplate.h"
#include "ScriptedPopupMenu.h"
#include "WidgetHandles.h"
#include "WindowChecks.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QIcon>

namespace glyphsmith {
namespace {

using ui::IDCANCEL;
using Strings = std::vector<std::string>;

const std::string kAboutEntry = "&About Glyphsmith for TeXht...";

class CountingMainDialog : public MainDialog {
  public:
    int abouts = 0;

  protected:
    void OnAbout() override { ++abouts; }
};

class MainDialogQtTest : public test::DialogTest {};

TEST_F(MainDialogQtTest, TheWindowShowsTheIconInBothSizes) {
    CountingMainDialog dialog;
    Run(dialog, [&](ui::Dialog&) {
        const QList<QSize> iconSizes = ui::WidgetOf(dialog).windowIcon().availableSizes();
        EXPECT_TRUE(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)));
        dialog.EndDialog(IDCANCEL);
    });
}

TEST_F(MainDialogQtTest, TheBackgroundMenuStandsForTheSystemMenu) {
    CountingMainDialog dialog;
    test::ScriptedPopupMenu menu;
    const int result = Run(dialog, [&](ui::Dialog&) {
        QDialog& window = ui::WidgetOf(dialog);
        QContextMenuEvent onBackground(QContextMenuEvent::Mouse, QPoint(3, 3),
                                       window.mapToGlobal(QPoint(3, 3)));
        menu.OnNextMenu(kAboutEntry);
        QApplication::sendEvent(&window, &onBackground);
        EXPECT_EQ(dialog.abouts, 1);
        EXPECT_EQ(menu.LastMenu(), Strings({"&Close", "", kAboutEntry}));
        menu.OnNextMenu("&Close");
        QApplication::sendEvent(&window, &onBackground);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(MainDialogQtTest, TheLayoutHoldsTogether) {
    const CountingMainDialog dialog;
    QDialog& window = ui::WidgetOf(dialog);
    EXPECT_EQ(window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 31);
    EXPECT_EQ(test::LayoutFaults(window), QStringList());
}

} // namespace
} // namespace glyphsmith
