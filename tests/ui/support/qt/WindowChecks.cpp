// SPDX-License-Identifier: MIT
#include "WindowChecks.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>

namespace glyphsmith::test {

namespace {

// The text a button, check box or group box shows for its template text.
QString ShownText(QString text) {
    return text.replace("&&", "\x01").remove('&').replace("\x01", "&");
}

// Whether a control's caption fits inside it, as far as it can be told from the font.
bool CaptionFits(QWidget* control) {
    const QFontMetrics metrics(control->font());
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return metrics.horizontalAdvance(label->text()) <= label->width() &&
               metrics.height() <= label->height();
    }
    if (auto* check = qobject_cast<QCheckBox*>(control)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        const QRect textArea =
            check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
        return metrics.horizontalAdvance(ShownText(check->text())) <= textArea.width();
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        return metrics.horizontalAdvance(ShownText(button->text())) + 6 <= button->width();
    }
    if (auto* group = qobject_cast<QGroupBox*>(control)) {
        return metrics.horizontalAdvance(ShownText(group->title())) +
                   2 * metrics.averageCharWidth() <=
               group->width();
    }
    return true;
}

bool Frames(QWidget* box, QWidget* inner) {
    return qobject_cast<QGroupBox*>(box) != nullptr && box->geometry().contains(inner->geometry());
}

QString NameOf(const QWidget* control) {
    return control->objectName() + " " + control->metaObject()->className();
}

} // namespace

QStringList LayoutFaults(const QWidget& dialog) {
    QStringList faults;
    const QList<QWidget*> controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        if (!dialog.rect().contains(control->geometry())) {
            faults << NameOf(control) + " leaves the dialog";
        }
        if (!CaptionFits(control)) {
            faults << NameOf(control) + " cuts its caption";
        }
        for (QWidget* other : controls) {
            if (other != control && !Frames(control, other) && !Frames(other, control) &&
                control->geometry().intersects(other->geometry())) {
                faults << NameOf(control) + " overlaps " + NameOf(other);
            }
        }
    }
    return faults;
}

} // namespace glyphsmith::test
