#include "LinkOpener.h"

#include "FakeLinkOpener.h"
#include "XdgLinkOpener.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace glyphsmith {
namespace {

using Run = std::pair<std::string, std::string>;

constexpr char kAddress[] = "https://tug.org/tex4ht/";

void WriteText(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// A desktop with a mimeapps.list and desktop entries in directories of its own, whose
// "browser" writes its arguments one a line to a file instead of opening anything.
class FakeDesktop {
  public:
    FakeDesktop() {
        WriteText(Browser(), "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" +
                                 Output().toUtf8() + ".part\"\nmv \"" + Output().toUtf8() +
                                 ".part\" \"" + Output().toUtf8() + "\"\n");
        QFile::setPermissions(Browser(), QFile::ReadOwner | QFile::ExeOwner);
    }

    QString Config() const { return root_.filePath("config"); }
    QString Applications() const { return root_.filePath("applications"); }
    QString Browser() const { return root_.filePath("bin/browser"); }
    QString Output() const { return root_.filePath("arguments"); }
    XdgLinkOpener Opener() const { return XdgLinkOpener({Config()}, {Applications()}); }

    void Associate(const QByteArray& mimeapps) { WriteText(Config() + "/mimeapps.list", mimeapps); }
    void Install(const QString& id, const QByteArray& exec) {
        WriteText(Applications() + '/' + id,
                  "[Desktop Entry]\nType=Application\nExec=" + exec + '\n');
    }

    // The browser's arguments, once it has written them all.
    QStringList Arguments() const {
        const QDeadlineTimer deadline(5000);
        while (!QFile::exists(Output()) && !deadline.hasExpired()) {
            QTest::qWait(20);
        }
        QFile file(Output());
        if (!file.open(QIODevice::ReadOnly)) {
            return {"(the browser did not run)"};
        }
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

  private:
    QTemporaryDir root_;
};

class LinkOpenerTest : public QObject {
    Q_OBJECT

  private slots:
    void errorTexts_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "The operating system is out\nof memory or resources.";
        QTest::newRow("2") << 2 << "The specified file was not found.";
        QTest::newRow("26, with its trailing blank") << 26 << "A sharing violation occurred. ";
        QTest::newRow("32") << 32 << "The specified dynamic-link library was not found.";
        QTest::newRow("4, a gap in the table") << 4 << "Unknown Error (4) occurred.";
        QTest::newRow("33") << 33 << "Unknown Error (33) occurred.";
        QTest::newRow("a large code") << 1000000 << "Unknown Error (1000000) occurred.";
        QTest::newRow("beyond the signed range") << -1 << "Unknown Error (-1) occurred.";
    }
    void errorTexts() {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(OpenErrorText(code)), text);
    }

    void fallbackCommandLines_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("quoted placeholder after an option")
            << R"("C:\Program Files\Browser\browser.exe" -osint -url "%1")"
            << R"("C:\Program Files\Browser\browser.exe" -osint -url  https://tug.org/tex4ht/)";
        QTest::newRow("bare placeholder, arguments after it")
            << R"(C:\Browser\browser.exe %1 -new)"
            << R"(C:\Browser\browser.exe  https://tug.org/tex4ht/)";
        QTest::newRow("placeholder glued to an option")
            << R"(browser.exe -url=%1)"
            << R"(browser.exe -url= https://tug.org/tex4ht/)";
        QTest::newRow("no placeholder")
            << R"("C:\Browser\browser.exe" -nohome)"
            << R"("C:\Browser\browser.exe" -nohome https://tug.org/tex4ht/)";
        QTest::newRow("the quoted placeholder wins over an earlier bare one")
            << R"(browser.exe %1 "%1")"
            << R"(browser.exe %1  https://tug.org/tex4ht/)";
        QTest::newRow("a path in Chinese")
            << QStringLiteral(u"\"C:\\浏览器\\浏览.exe\" \"%1\"")
            << QStringLiteral(u"\"C:\\浏览器\\浏览.exe\"  https://tug.org/tex4ht/");
    }
    void fallbackCommandLines() {
        QFETCH(QString, command);
        QFETCH(QString, commandLine);
        QCOMPARE(QString::fromStdString(FallbackCommandLine(command.toStdString(), kAddress)),
                 commandLine);
    }

    void theDesktopComesFirstAndTheWebPageProgramSecond() {
        test::FakeLinkOpener opened;
        QCOMPARE(OpenTarget(opened, kAddress), kOpened);
        QCOMPARE(opened.webPageRuns.size(), 0u);

        test::FakeLinkOpener nothingRegistered;
        nothingRegistered.desktopResult = 32;
        QCOMPARE(OpenTarget(nothingRegistered, kAddress), 32);
        QCOMPARE(nothingRegistered.desktopOpens, std::vector<std::string>{kAddress});

        test::FakeLinkOpener fallback;
        fallback.desktopResult = kNoAssociation;
        fallback.webPageCommand = "browser %1";
        fallback.webPageResult = kFileNotFound;
        QCOMPARE(OpenTarget(fallback, kAddress), kFileNotFound);
        QCOMPARE(fallback.webPageRuns, std::vector<Run>{Run("browser %1", kAddress)});
    }

    void theDefaultWebPageApplicationIsTheFirstInstalledOne() {
        FakeDesktop desktop;
        QCOMPARE(desktop.Opener().WebPageCommand(), std::nullopt);

        desktop.Associate("[Added Associations]\ntext/html=other.desktop;\n"
                          "# the user's choice\n[Default Applications]\n"
                          "text/plain=editor.desktop\ntext/html=gone.desktop;web.desktop;\n");
        desktop.Install("other.desktop", "other %u");
        desktop.Install("editor.desktop", "editor %F");
        QCOMPARE(desktop.Opener().WebPageCommand(), std::nullopt);

        desktop.Install("web.desktop", "\"/opt/Web Browser/web\" --new-window %U");
        QCOMPARE(desktop.Opener().WebPageCommand(),
                 std::optional<std::string>("\"/opt/Web Browser/web\" --new-window %U"));
    }

    // The address goes in whole even with blanks and quotes in it, and the Exec line loses
    // its placeholder, what follows it, and the field codes it cannot fill.
    void theWebPageProgramGetsTheAddressAsOneArgument() {
        FakeDesktop desktop;
        const std::string exec = '"' + desktop.Browser().toStdString() +
                                 "\" %i --name=100%% --new-window \"%u\" --after";
        const std::string address = "https://example.org/a b\"c";
        QCOMPARE(desktop.Opener().RunWebPageCommand(exec, address), kOpened);
        QCOMPARE(desktop.Arguments(),
                 QStringList({"--name=100%", "--new-window", QString::fromStdString(address)}));
    }

    void aMissingWebPageProgramIsAFileNotFound() {
        FakeDesktop desktop;
        QCOMPARE(desktop.Opener().RunWebPageCommand("/nonexistent/browser %U", kAddress),
                 kFileNotFound);
        QCOMPARE(desktop.Opener().RunWebPageCommand("%U", kAddress), kFileNotFound);
    }

    void anAddressWithoutAKindIsNotHandedToTheDesktop() {
        FakeDesktop desktop;
        QCOMPARE(desktop.Opener().OpenWithDesktop(""), kFileNotFound);
        QCOMPARE(desktop.Opener().OpenWithDesktop("contributors"), kFileNotFound);
    }
};

} // namespace
} // namespace glyphsmith

QTEST_MAIN(glyphsmith::LinkOpenerTest)
#include "LinkOpenerTest.moc"
