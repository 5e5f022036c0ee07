// SPDX-License-Identifier: MIT
#include "FileDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace glyphsmith::test {

namespace {

constexpr int kActivationMs = 5000;

using Open = std::function<std::optional<std::string>()>;

// False when no file dialog is active.
bool DriveActiveFileDialog(const FileDialogStep& step) {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
        return false;
    }
    // Its owner's activity would count for it with Qt; only the dialog's own gives its
    // name line the focus, which Qt's typing completion depends on.
    dialog->activateWindow();
    static_cast<void>(
        QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }, kActivationMs));
    step(*dialog);
    if (dialog->isVisible()) {
        ADD_FAILURE() << "a file dialog left open: " << dialog->windowTitle().toStdString();
        dialog->reject();
    }
    return true;
}

// The timer fires inside the dialog's modal loop, which starts once the dialog shows.
std::optional<std::string> DriveRealDialog(const FileDialogStep& step, const Open& open) {
    bool driven = false;
    QTimer driver;
    driver.setSingleShot(true);
    QObject::connect(&driver, &QTimer::timeout, [&] { driven = DriveActiveFileDialog(step); });
    driver.start(0);
    const std::optional<std::string> chosen = open();
    EXPECT_TRUE(driven) << "no file dialog showed";
    return chosen;
}

} // namespace

ScriptedModalSeam::FolderStep RealFolderChooser(FileDialogStep step) {
    return [step = std::move(step)](const ui::FolderRequest& request) {
        return DriveRealDialog(step, [&] { return ui::ProgramModalSeam().ChooseFolder(request); });
    };
}

ScriptedModalSeam::FileStep RealFileChooser(FileDialogStep step) {
    return [step = std::move(step)](const ui::FileRequest& request) {
        return DriveRealDialog(step, [&] { return ui::ProgramModalSeam().ChooseFile(request); });
    };
}

QPushButton* AcceptButton(QFileDialog& dialog) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    return buttons != nullptr ? buttons->button(QDialogButtonBox::Open) : nullptr;
}

QLineEdit* NameLine(QFileDialog& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

void TypeName(QFileDialog& dialog, const QString& name) {
    QLineEdit* line = NameLine(dialog);
    line->setFocus();
    line->selectAll();
    QTest::keyClicks(line, name);
    Settle();
}

void Settle() {
    QTest::qWait(50);
}

} // namespace glyphsmith::test
