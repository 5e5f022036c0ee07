#include "DialogUnits.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <cmath>

namespace glyphsmith::ui {

namespace {

constexpr const char* kFallbackFace = "DejaVu Sans";

// MulDiv of the platform: value * numerator / denominator, rounded half away from zero.
int MulDiv(int value, int numerator, int denominator) {
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

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

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    baseX_ = AverageCharWidth(metrics);
    baseY_ = metrics.height();
}

int DialogUnits::X(int units) const {
    return MulDiv(units, baseX_, 4);
}

int DialogUnits::Y(int units) const {
    return MulDiv(units, baseY_, 8);
}

QRect DialogUnits::Map(const DialogRect& rect) const {
    return QRect(X(rect.x), Y(rect.y), X(rect.width), Y(rect.height));
}

} // namespace glyphsmith::ui
