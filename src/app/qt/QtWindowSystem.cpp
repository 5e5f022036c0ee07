// SPDX-License-Identifier: MIT
// Qt's application object, with the program's icon for every window.
#include "IconResource.h"
#include "Resources.h"
#include "WindowSystem.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace glyphsmith {

namespace {

constexpr const char* kHowToRun =
    "glyphsmith: the window cannot be shown without a display. Start the program on a "
    "desktop, or set QT_QPA_PLATFORM=offscreen to run it without one.";

QtMessageHandler qtHandler = nullptr;

// Qt ends a start without a platform with a fatal message, which would abort.
void ExplainFailedStart(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        if (qtHandler != nullptr) {
            qtHandler(type, context, message);
        }
        return;
    }
    std::fprintf(stderr, "%s\n\n%s\n", qPrintable(message), kHowToRun);
    std::_Exit(1);
}

class QtWindowSystem final : public WindowSystem {
  public:
    QtWindowSystem(int& argc, char** argv) : application_(argc, argv) {
        QApplication::setWindowIcon(ui::IconResource(res::kApplicationIconId));
    }

  private:
    QApplication application_;
};

} // namespace

std::unique_ptr<WindowSystem> StartWindowSystem(int& argc, char** argv) {
    qtHandler = qInstallMessageHandler(ExplainFailedStart);
    auto windowSystem = std::make_unique<QtWindowSystem>(argc, argv);
    qInstallMessageHandler(qtHandler);
    return windowSystem;
}

} // namespace glyphsmith
