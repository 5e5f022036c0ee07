#include "ScriptedModalSeam.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace glyphsmith::test {

namespace {

constexpr int kDeadlineMs = 5000;

// The next step of a chooser's script, which a request without an owner or beyond the
// script is noted against.
template <class Step, class Request>
std::optional<QString> AnswerChooser(std::deque<Step>& steps, const Request& request,
                                     const QString& kind, QStringList& complaints) {
    if (request.owner == nullptr) {
        complaints << "a " + kind + " without an owner";
    }
    if (steps.empty()) {
        complaints << "an unexpected " + kind;
        return std::nullopt;
    }
    const Step step = std::move(steps.front());
    steps.pop_front();
    return step(request);
}

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

std::optional<QString> ScriptedModalSeam::ChooseFolder(const ui::FolderRequest& request) {
    return AnswerChooser(folderSteps_, request, "folder chooser", complaints_);
}

std::optional<QString> ScriptedModalSeam::ChooseFileToOpen(const ui::FileRequest& request) {
    return AnswerChooser(fileSteps_, request, "file chooser", complaints_);
}

void ScriptedModalSeam::OnNextRealFolderChooser(RealDialogStep step) {
    OnNextFolderChooser([this, step = std::move(step)](const ui::FolderRequest& request) {
        return DriveRealDialog(step, [&] { return ui::ProgramModalSeam().ChooseFolder(request); });
    });
}

void ScriptedModalSeam::OnNextRealFileChooser(RealDialogStep step) {
    OnNextFileChooser([this, step = std::move(step)](const ui::FileRequest& request) {
        return DriveRealDialog(step,
                               [&] { return ui::ProgramModalSeam().ChooseFileToOpen(request); });
    });
}

// The timer fires inside the dialog's modal loop, which starts once the dialog shows.
std::optional<QString>
ScriptedModalSeam::DriveRealDialog(const RealDialogStep& step,
                                   const std::function<std::optional<QString>()>& open) {
    bool driven = false;
    QTimer driver;
    driver.setSingleShot(true);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        driven = true;
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            complaints_ << "no file dialog showed";
            return;
        }
        // Its owner's activity would count for it with Qt; only the dialog's own gives its
        // name line the focus, which Qt's typing completion depends on.
        dialog->activateWindow();
        static_cast<void>(
            QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }, kDeadlineMs));
        step(*dialog);
        if (dialog->isVisible()) {
            complaints_ << "a file dialog left open: " + dialog->windowTitle();
            dialog->reject();
        }
    });
    driver.start(0);
    const std::optional<QString> chosen = open();
    if (!driven) {
        complaints_ << "no file dialog showed";
    }
    return chosen;
}

} // namespace glyphsmith::test
