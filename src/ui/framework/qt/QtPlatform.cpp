// SPDX-License-Identifier: MIT
#include "Platform.h"

#include <QApplication>
#include <QPalette>

namespace glyphsmith::ui {

void Beep() {
    QApplication::beep();
}

ColorRef HighlightColor() {
    const QColor highlight = QApplication::palette().color(QPalette::Highlight);
    return Rgb(highlight.red(), highlight.green(), highlight.blue());
}

void ShowWaitCursor(bool shown) {
    if (shown) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QApplication::restoreOverrideCursor();
    }
}

} // namespace glyphsmith::ui
