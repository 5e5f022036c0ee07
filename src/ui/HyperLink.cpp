#include "HyperLink.h"

#include "DialogCodes.h"
#include "ModalSeam.h"
#include "Utf8.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>

namespace glyphsmith {

namespace {

ColorRef SystemHighlightColor() {
    const QColor highlight = QApplication::palette().color(QPalette::Highlight);
    return Rgb(highlight.red(), highlight.green(), highlight.blue());
}

} // namespace

QColor ToQColor(ColorRef color) {
    return QColor(color & 0xFF, color >> 8 & 0xFF, color >> 16 & 0xFF);
}

QRect FitRectToText(const QRect& rect, const QSize& text, Qt::Alignment alignment) {
    int left = rect.left();
    int top = rect.top();
    int right = left + rect.width();
    int bottom = top + rect.height();
    if (alignment & Qt::AlignVCenter) {
        const int shrink = (rect.height() - text.height()) / 2;
        top += shrink;
        bottom -= shrink;
    } else {
        bottom = top + text.height();
    }
    if (alignment & Qt::AlignHCenter) {
        const int shrink = (rect.width() - text.width()) / 2;
        left += shrink;
        right -= shrink;
    } else if (alignment & Qt::AlignRight) {
        left = right - text.width();
    } else {
        right = left + text.width();
    }
    return QRect(left, top, right - left, bottom - top);
}

HyperLink::HyperLink(LinkOpener& opener) : opener_(opener), hoverColor_(SystemHighlightColor()) {}

void HyperLink::SetTarget(std::string address) {
    target_ = std::move(address);
    if (QLabel* label = Label()) {
        FitToText();
        label->setToolTip(ui::FromUtf8(target_));
    }
}

void HyperLink::SetLinkColors(ColorRef normal, ColorRef visited, ColorRef hover) {
    normalColor_ = normal;
    visitedColor_ = visited;
    hoverColor_ = hover == kHighlightColor ? SystemHighlightColor() : hover;
    if (QLabel* label = Label()) {
        label->update();
    }
}

void HyperLink::MarkVisited(bool visited) {
    visited_ = visited;
    if (QLabel* label = Label()) {
        label->update();
    }
}

void HyperLink::SetPointerCursor(std::optional<QCursor> cursor) {
    pointerCursor_ = std::move(cursor);
    ApplyPointerCursor();
}

void HyperLink::ShowUnderline(bool underline) {
    underline_ = underline;
    if (QLabel* label = Label()) {
        BuildLinkFont();
        label->update();
    }
}

ColorRef HyperLink::TextColor() const {
    if (pointerInside_) {
        return hoverColor_;
    }
    return visited_ ? visitedColor_ : normalColor_;
}

// A label without a text shows its target, and one without a target opens its text.
void HyperLink::PreSubclassWindow() {
    QLabel* label = Label();
    if (label == nullptr) {
        return;
    }
    // Pointer moves then reach the label without a button held, for the hover colour.
    label->setMouseTracking(true);
    if (target_.empty()) {
        target_ = label->text().toStdString();
    }
    if (label->text().isEmpty()) {
        label->setText(ui::FromUtf8(target_));
    }
    BuildLinkFont();
    FitToText();
    LoadLinkCursor();
    ApplyPointerCursor();
    label->setToolTip(ui::FromUtf8(target_));
}

bool HyperLink::WindowEvent(QEvent* event) {
    if (Label() == nullptr) {
        return false;
    }
    switch (event->type()) {
    case QEvent::Paint:
        ApplyTextColor();
        break;
    case QEvent::MouseMove: {
        const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
        const bool inside = Label()->rect().contains(position);
        if (inside != pointerInside_) {
            SetPointerInside(inside);
        }
        break;
    }
    // A label that appears under a resting pointer gets no move, only the entry.
    case QEvent::Enter:
    case QEvent::Leave:
        if (pointerInside_ != (event->type() == QEvent::Enter)) {
            SetPointerInside(!pointerInside_);
        }
        break;
    case QEvent::MouseButtonRelease: {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::LeftButton &&
            Label()->rect().contains(release->position().toPoint())) {
            OnClicked();
        }
        break;
    }
    default:
        break;
    }
    return false;
}

void HyperLink::BuildLinkFont() {
    linkFont_ = Label()->font();
    linkFont_.setUnderline(underline_);
    Label()->setFont(linkFont_);
}

void HyperLink::FitToText() {
    QLabel* label = Label();
    const QFontMetrics metrics(linkFont_);
    const QSize text(metrics.horizontalAdvance(label->text()), metrics.height());
    label->setGeometry(FitRectToText(label->geometry(), text, label->alignment()));
}

// The platform's pointing hand stands for the link cursor.
void HyperLink::LoadLinkCursor() {
    if (!pointerCursor_) {
        pointerCursor_ = QCursor(Qt::PointingHandCursor);
    }
}

void HyperLink::ApplyPointerCursor() {
    QLabel* label = Label();
    if (label == nullptr) {
        return;
    }
    if (pointerCursor_) {
        label->setCursor(*pointerCursor_);
    } else {
        label->unsetCursor();
    }
}

// The colour is chosen as the label paints, so a state change shows from the next paint on.
void HyperLink::ApplyTextColor() {
    QLabel* label = Label();
    const QColor color = ToQColor(TextColor());
    if (label->palette().color(QPalette::WindowText) != color) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, color);
        label->setPalette(palette);
    }
}

void HyperLink::SetPointerInside(bool inside) {
    pointerInside_ = inside;
    Label()->repaint();
}

// A failed click leaves the label as it is drawn: a label that was visited shows its
// normal colour only from its next paint on.
void HyperLink::OnClicked() {
    const int result = OpenTarget(opener_, target_);
    visited_ = Opened(result);
    if (visited_) {
        MarkVisited(true);
    } else {
        QApplication::beep();
        ShowOpenError(result);
    }
}

void HyperLink::ShowOpenError(int code) {
    const std::string text = "Unable to open hyperlink:\n\n" + OpenErrorText(code);
    ui::CurrentModalSeam().ShowMessageBox(Label()->window(), ui::FromUtf8(text),
                                          QCoreApplication::applicationName(),
                                          ui::MB_ICONEXCLAMATION);
}

} // namespace glyphsmith
