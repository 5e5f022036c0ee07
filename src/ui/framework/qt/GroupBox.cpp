// SPDX-License-Identifier: MIT
#include "GroupBox.h"

#include <QPainter>
#include <QStyle>

namespace glyphsmith::ui {

void GroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    // Styles place their own frames below the title, so the frame is drawn here.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, metrics.height() / 2, -1, -1));

    constexpr int kTitleFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;
    const QRect titleArea(metrics.averageCharWidth(), 0, width(), metrics.height());
    const QRect titleRect =
        style()->itemTextRect(metrics, titleArea, kTitleFlags, isEnabled(), title());
    painter.fillRect(titleRect.adjusted(-2, 0, 2, 0), palette().window());
    style()->drawItemText(&painter, titleRect, kTitleFlags, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

} // namespace glyphsmith::ui
