// SPDX-License-Identifier: MIT
#pragma once

// The Qt side's widgets behind the framework's handles, for the rest of the Qt side and
// for tests that look at what Qt shows.

#include "Control.h"
#include "Geometry.h"

#include <QDialog>
#include <QRect>
#include <QString>
#include <string_view>

namespace glyphsmith::ui {

class Dialog;

QDialog& WidgetOf(const Dialog& dialog);
QWidget* WidgetOf(Control control);
// The window of an owner dialog, or none without an owner.
inline QWidget* OwnerWidget(const Dialog* owner) {
    return owner != nullptr ? &WidgetOf(*owner) : nullptr;
}

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QRect ToQRect(const Rect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

inline Rect FromQRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

} // namespace glyphsmith::ui
