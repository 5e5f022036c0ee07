#include "ApplicationObject.h"
#include "MainDialogTemplate.h"
#include "UiTestCase.h"

#include <QApplication>
#include <QProcess>
#include <QTest>

namespace glyphsmith {
namespace {

class StartupTest : public test::UiTestCase {
    Q_OBJECT

  private slots:
    void theMainWindowRunsModallyAndNothingIsWritten() {
        QString caption;
        scene().seam.OnNextDialog([&](ui::Dialog& shown) {
            caption = shown.windowTitle();
            QTest::keyClicks(shown.GetDlgItem(res::kFontFamilyEdit), "kai");
            QTest::keyClick(&shown, Qt::Key_Escape);
        });

        QCOMPARE(ApplicationObject().InitInstance(), false);
        QCOMPARE(caption, "Glyphsmith for TeX4ht (v 0.2)");
        QCOMPARE(QCoreApplication::organizationName(), "Ostrelan");
        QCOMPARE(QCoreApplication::applicationName(), "startup_tests");
        QVERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(scene().store.WrittenFiles(), QStringList());
    }

    void withoutADisplayTheProgramSaysHowToRunIt() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM"}) {
            environment.remove(name);
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(GLYPHSMITH_PROGRAM, {});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(program.readAllStandardError().contains("QT_QPA_PLATFORM=offscreen"));
    }
};

} // namespace
} // namespace glyphsmith

QTEST_MAIN(glyphsmith::StartupTest)
#include "StartupTest.moc"
