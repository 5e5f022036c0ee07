// SPDX-License-Identifier: MIT
// The driver on Qt: QTest's mouse and keyboard on the widgets behind the handles.
#include "QtDialogWindow.h"
#include "UserActions.h"
#include "WidgetHandles.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QPushButton>
#include <QTest>

namespace glyphsmith::test {

namespace {

constexpr int kActivationMs = 5000;

// In the order of Key, whose last is End.
constexpr Qt::Key kQtKeys[] = {Qt::Key_Return, Qt::Key_Enter,     Qt::Key_Escape,
                               Qt::Key_Tab,    Qt::Key_Backspace, Qt::Key_End};

static_assert(std::size(kQtKeys) == static_cast<std::size_t>(Key::End) + 1);

Qt::Key QtKey(Key key) {
    return kQtKeys[static_cast<std::size_t>(key)];
}

void PressOn(QWidget* widget, Key key) {
    QTest::keyClick(widget, QtKey(key),
                    key == Key::KeypadEnter ? Qt::KeypadModifier : Qt::NoModifier);
}

} // namespace

void ShowWithoutModalLoop(ui::Dialog& dialog) {
    QDialog& window = ui::WidgetOf(dialog);
    window.show();
    window.activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(&window, kActivationMs));
}

void Click(ui::Control control) {
    QTest::mouseClick(ui::WidgetOf(control), Qt::LeftButton);
}

void RightClick(ui::Control control) {
    QTest::mouseClick(ui::WidgetOf(control), Qt::RightButton);
}

void Type(ui::Control control, std::string_view text) {
    QWidget* widget = ui::WidgetOf(control);
    widget->setFocus();
    QTest::keyClicks(widget, ui::FromUtf8(text));
}

void Press(ui::Control control, Key key) {
    QWidget* widget = ui::WidgetOf(control);
    widget->setFocus();
    PressOn(widget, key);
}

void Press(ui::Dialog& dialog, Key key) {
    QWidget* focused = ui::WidgetOf(dialog).focusWidget();
    PressOn(focused != nullptr ? focused : &ui::WidgetOf(dialog), key);
}

void CloseBox(ui::Dialog& dialog) {
    ui::WidgetOf(dialog).close();
}

// Qt has no system menu of its own: the command takes the stand-in's way.
void SystemCommand(ui::Dialog& dialog, unsigned command) {
    dialog.DispatchSysCommand(command);
}

void MovePointerOver(ui::Control control) {
    QWidget* widget = ui::WidgetOf(control);
    QTest::mouseMove(widget, widget->rect().center());
}

void MovePointerAway(ui::Dialog& dialog) {
    QDialog& window = ui::WidgetOf(dialog);
    QTest::mouseMove(&window, QPoint(window.width() - 2, window.height() - 2));
}

ui::Control FocusedControl(const ui::Dialog& dialog) {
    const QWidget* focused = ui::WidgetOf(dialog).focusWidget();
    for (const ui::Control& control : dialog.Window().Controls()) {
        if (ui::WidgetOf(control) == focused) {
            return control;
        }
    }
    return {};
}

bool IsDefaultButton(ui::Control control) {
    const auto* button = qobject_cast<QPushButton*>(ui::WidgetOf(control));
    return button != nullptr && button->isDefault();
}

bool ProcessEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const QDeadlineTimer deadline(limit.count());
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

} // namespace glyphsmith::test
