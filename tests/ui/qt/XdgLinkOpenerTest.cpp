// SPDX-License-Identifier: MIT
// Opening addresses on a freedesktop.org desktop, the Qt side's link opener.
#include "XdgLinkOpener.h"

#include "UserActions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace glyphsmith {
namespace {

using Strings = std::vector<std::string>;

constexpr char kAddress[] = "https://tug.org/tex4ht/";

void WriteText(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text);
}

// A desktop with a mimeapps.list and desktop entries in directories of its own, whose
// "browser" writes its arguments one a line to a file instead of opening anything.
class FakeDesktop {
  public:
    FakeDesktop() {
        const QByteArray output = Output().toUtf8();
        WriteText(Browser(), "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" +
                                 output + ".part\"\nmv \"" + output + ".part\" \"" + output +
                                 "\"\n");
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
    Strings Arguments() const {
        test::ProcessEventsUntil([&] { return QFile::exists(Output()); }, std::chrono::seconds(5));
        QFile file(Output());
        if (!file.open(QIODevice::ReadOnly)) {
            return {"(the browser did not run)"};
        }
        Strings arguments;
        for (const QString& line :
             QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
            arguments.push_back(line.toStdString());
        }
        return arguments;
    }

  private:
    QTemporaryDir root_;
};

TEST(XdgLinkOpenerTest, TheDefaultWebPageApplicationIsTheFirstInstalledOne) {
    FakeDesktop desktop;
    EXPECT_EQ(desktop.Opener().WebPageCommand(), std::nullopt);

    desktop.Associate("[Added Associations]\ntext/html=other.desktop;\n"
                      "# the user's choice\n[Default Applications]\n"
                      "text/plain=editor.desktop\ntext/html=gone.desktop;web.desktop;\n");
    desktop.Install("other.desktop", "other %u");
    desktop.Install("editor.desktop", "editor %F");
    EXPECT_EQ(desktop.Opener().WebPageCommand(), std::nullopt);

    desktop.Install("web.desktop", "\"/opt/Web Browser/web\" --new-window %U");
    EXPECT_EQ(desktop.Opener().WebPageCommand(),
              std::optional<std::string>("\"/opt/Web Browser/web\" --new-window %U"));
}

// The address goes in whole even with blanks and quotes in it, and the Exec line loses its
// placeholder, what follows it, and the field codes it cannot fill.
TEST(XdgLinkOpenerTest, TheWebPageProgramGetsTheAddressAsOneArgument) {
    FakeDesktop desktop;
    const std::string exec =
        '"' + desktop.Browser().toStdString() + "\" %i --name=100%% --new-window \"%u\" --after";
    const std::string address = "https://example.org/a b\"c";
    EXPECT_EQ(desktop.Opener().RunWebPageCommand(exec, address), OpenOutcome::Opened);
    EXPECT_EQ(desktop.Arguments(), Strings({"--name=100%", "--new-window", address}));
}

TEST(XdgLinkOpenerTest, AMissingWebPageProgramIsAFileNotFound) {
    FakeDesktop desktop;
    EXPECT_EQ(desktop.Opener().RunWebPageCommand("/nonexistent/browser %U", kAddress),
              OpenOutcome::FileNotFound);
    EXPECT_EQ(desktop.Opener().RunWebPageCommand("%U", kAddress), OpenOutcome::FileNotFound);
}

TEST(XdgLinkOpenerTest, AnAddressWithoutAKindIsNotHandedToTheDesktop) {
    FakeDesktop desktop;
    EXPECT_EQ(desktop.Opener().OpenWithDesktop(""), OpenOutcome::FileNotFound);
    EXPECT_EQ(desktop.Opener().OpenWithDesktop("contributors"), OpenOutcome::FileNotFound);
}

} // namespace
} // namespace glyphsmith
