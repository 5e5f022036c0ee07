// SPDX-License-Identifier: MIT
// Taking over a label on Qt: an event filter reports its events, and its palette, font,
// tooltip and cursor show what the object decides.
#include "SubclassedControl.h"
#include "WidgetHandles.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

namespace glyphsmith::ui {

namespace {

QColor ToQColor(ColorRef color) {
    return QColor(color & 0xFF, color >> 8 & 0xFF, color >> 16 & 0xFF);
}

Point PointOf(const QPointF& position) {
    const QPoint point = position.toPoint();
    return {point.x(), point.y()};
}

class QtControlHook final : public QObject, public ControlHook {
  public:
    QtControlHook(QWidget* widget, SubclassedControl& object) : widget_(widget), object_(object) {
        // Pointer moves then reach the control without a button held.
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }

    ~QtControlHook() override {
        if (widget_ != nullptr) {
            widget_->removeEventFilter(this);
        }
    }

    bool Alive() const override { return widget_ != nullptr; }

    Size TextExtent() const override {
        const QFontMetrics metrics(widget_->font());
        return {metrics.horizontalAdvance(Text()), metrics.height()};
    }

    void SetUnderline(bool underline) override {
        QFont font = widget_->font();
        font.setUnderline(underline);
        widget_->setFont(font);
    }

    void SetToolTip(const std::string& text) override { widget_->setToolTip(FromUtf8(text)); }

    void SetCursor(std::optional<Cursor> cursor) override {
        if (!cursor) {
            widget_->unsetCursor();
        } else {
            widget_->setCursor(*cursor == Cursor::PointingHand ? Qt::PointingHandCursor
                                                               : Qt::ArrowCursor);
        }
    }

    void Repaint(bool now) override {
        if (now) {
            widget_->repaint();
        } else {
            widget_->update();
        }
    }

  private:
    QString Text() const {
        auto* label = qobject_cast<QLabel*>(widget_.data());
        return label != nullptr ? label->text() : QString();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_) {
            Report(event);
        }
        return false;
    }

    // A label that appears under a resting pointer gets no move, only the entry.
    void Report(QEvent* event) {
        switch (event->type()) {
        case QEvent::Paint:
            ApplyTextColor();
            break;
        case QEvent::MouseMove:
            object_.OnPointerMove(PointOf(static_cast<QMouseEvent*>(event)->position()));
            break;
        case QEvent::Enter:
            object_.OnPointerMove(PointOf(static_cast<QEnterEvent*>(event)->position()));
            break;
        case QEvent::Leave:
            object_.OnPointerLeave();
            break;
        case QEvent::MouseButtonRelease: {
            const auto* release = static_cast<QMouseEvent*>(event);
            if (release->button() == Qt::LeftButton &&
                widget_->rect().contains(release->position().toPoint())) {
                object_.OnClicked();
            }
            break;
        }
        default:
            break;
        }
    }

    // The colour is chosen as the label paints, so a change shows from the next paint on.
    void ApplyTextColor() {
        const std::optional<ColorRef> color = object_.CtlColor();
        if (!color || widget_->palette().color(QPalette::WindowText) == ToQColor(*color)) {
            return;
        }
        QPalette palette = widget_->palette();
        palette.setColor(QPalette::WindowText, ToQColor(*color));
        widget_->setPalette(palette);
    }

    QPointer<QWidget> widget_;
    SubclassedControl& object_;
};

} // namespace

std::unique_ptr<ControlHook> HookControl(Control control, SubclassedControl& object) {
    return std::make_unique<QtControlHook>(WidgetOf(control), object);
}

} // namespace glyphsmith::ui
