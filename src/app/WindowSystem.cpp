#include "WindowSystem.h"

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

} // namespace

std::unique_ptr<QApplication> StartWindowSystem(int& argc, char** argv) {
    qtHandler = qInstallMessageHandler(ExplainFailedStart);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtHandler);
    return application;
}

} // namespace glyphsmith
