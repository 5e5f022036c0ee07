// SPDX-License-Identifier: MIT
// The program's start on Qt: its window's icon, and a start without a display.
#include "ApplicationObject.h"
#include "DialogTest.h"
#include "UserActions.h"
#include "WidgetHandles.h"

#include <QIcon>
#include <QProcess>

namespace glyphsmith {
namespace {

class StartupQtTest : public test::DialogTest {};

TEST_F(StartupQtTest, TheMainWindowShowsTheProgramsIcon) {
    bool iconShown = false;
    scene().seam.OnNextDialog([&](ui::Dialog& shown) {
        iconShown = !ui::WidgetOf(shown).windowIcon().isNull();
        test::Press(shown, test::Key::Escape);
    });
    ApplicationObject().InitInstance();
    EXPECT_TRUE(iconShown);
}

TEST(StartupWithoutDisplayTest, TheProgramSaysHowToRunIt) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM"}) {
        environment.remove(name);
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(GLYPHSMITH_PROGRAM, {});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(program.readAllStandardError().contains("QT_QPA_PLATFORM=offscreen"));
}

} // namespace
} // namespace glyphsmith
