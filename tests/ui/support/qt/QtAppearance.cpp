// SPDX-License-Identifier: MIT
// What the user sees of a dialog on Qt, read from the widgets behind the handles.
#include "UserActions.h"
#include "WidgetHandles.h"

#include <QLineEdit>

namespace glyphsmith::test {

std::string SelectedText(ui::Control edit) {
    const auto* line = qobject_cast<QLineEdit*>(ui::WidgetOf(edit));
    return line != nullptr ? line->selectedText().toStdString() : std::string();
}

bool IsShown(const ui::Dialog& dialog) {
    return ui::WidgetOf(dialog).isVisible();
}

std::string Caption(const ui::Dialog& dialog) {
    return ui::WidgetOf(dialog).windowTitle().toStdString();
}

ui::Size ClientSize(const ui::Dialog& dialog) {
    const QDialog& window = ui::WidgetOf(dialog);
    return {window.width(), window.height()};
}

bool Underlined(ui::Control label) {
    return ui::WidgetOf(label)->font().underline();
}

std::string ToolTip(ui::Control label) {
    return ui::WidgetOf(label)->toolTip().toStdString();
}

std::optional<ui::Cursor> CursorShown(ui::Control label) {
    const QWidget* widget = ui::WidgetOf(label);
    if (!widget->testAttribute(Qt::WA_SetCursor)) {
        return std::nullopt;
    }
    return widget->cursor().shape() == Qt::PointingHandCursor ? ui::Cursor::PointingHand
                                                              : ui::Cursor::Arrow;
}

} // namespace glyphsmith::test
