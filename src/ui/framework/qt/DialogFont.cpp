// SPDX-License-Identifier: MIT
#include "DialogFont.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace glyphsmith::ui {

namespace {

constexpr const char* kFallbackFace = "DejaVu Sans";

// The dialog manager's average width: the letters A-Z and a-z, halved and rounded.
int AverageCharWidth(const QFontMetrics& metrics) {
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (alphabet / 26 + 1) / 2;
}

} // namespace

QFont DialogFont(const char* face, int pointSize) {
    QFont font(QString::fromUtf8(face), pointSize);
    if (QFontInfo(font).family() != font.family()) {
        font = QFont(QString::fromUtf8(kFallbackFace), pointSize);
    }
    return font;
}

DialogUnits UnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    return DialogUnits(AverageCharWidth(metrics), metrics.height());
}

} // namespace glyphsmith::ui
