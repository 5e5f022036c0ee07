#include "ScriptedModalSeam.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMenu>
#include <QTest>

namespace glyphsmith::test {

namespace {

constexpr int kDeadlineMs = 5000;

} // namespace

QString Box(const QString& caption, const QString& text, unsigned type) {
    return caption + " | " + text + " | " + QString::number(type, 16);
}

void ScriptedModalSeam::ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                                       unsigned type) {
    if (owner == nullptr) {
        complaints_ << "a message box without an owner: " + text;
    }
    messages_ << Box(caption, text, type);
    waitCursorAtMessages_ << (QApplication::overrideCursor() != nullptr);
}

int ScriptedModalSeam::RunModal(ui::Dialog& dialog) {
    if (dialogSteps_.empty()) {
        complaints_ << "an unexpected dialog: " + dialog.windowTitle();
        return ui::IDCANCEL;
    }
    const DialogStep step = std::move(dialogSteps_.front());
    dialogSteps_.pop_front();

    bool ended = false;
    int result = ui::IDCANCEL;
    const auto connection = QObject::connect(&dialog, &QDialog::finished, [&](int code) {
        ended = true;
        result = code;
    });
    dialog.show();
    dialog.activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(&dialog, kDeadlineMs));
    step(dialog);
    const QDeadlineTimer deadline(kDeadlineMs);
    while (!ended && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QObject::disconnect(connection);
    if (!ended) {
        complaints_ << "a dialog left open: " + dialog.windowTitle();
        dialog.EndDialog(ui::IDCANCEL);
    }
    return result;
}

QAction* ScriptedModalSeam::TrackPopupMenu(QMenu& menu, const QPoint&) {
    lastMenu_.clear();
    for (QAction* action : menu.actions()) {
        lastMenu_ << action->text();
    }
    if (menuAnswers_.empty()) {
        complaints_ << "an unexpected menu";
        return nullptr;
    }
    const QString answer = menuAnswers_.front();
    menuAnswers_.pop_front();
    for (QAction* action : menu.actions()) {
        if (action->text() == answer) {
            return action;
        }
    }
    complaints_ << "no menu entry " + answer;
    return nullptr;
}

} // namespace glyphsmith::test
