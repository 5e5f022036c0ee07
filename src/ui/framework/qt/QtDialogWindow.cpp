// SPDX-License-Identifier: MIT
#include "QtDialogWindow.h"

#include "Dialog.h"
#include "DialogFont.h"
#include "EditBox.h"
#include "GroupBox.h"
#include "IconResource.h"
#include "PopupMenuSeam.h"
#include "WidgetHandles.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <charconv>
#include <stdexcept>
#include <string_view>

namespace glyphsmith::ui {

namespace {

// A modal frame with a caption, a system menu and a close box; no minimise or maximise box.
constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint;

Qt::Alignment LabelAlignment(unsigned style) {
    const Qt::Alignment vertical = (style & kVerticalCenter) ? Qt::AlignVCenter : Qt::AlignTop;
    if (style & kCenter) {
        return Qt::AlignHCenter | vertical;
    }
    return ((style & kRight) ? Qt::AlignRight : Qt::AlignLeft) | vertical;
}

QLabel* CreateLabel(const ControlTemplate& control, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(control.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(LabelAlignment(control.style));
    return label;
}

// The dialog manager draws an icon at the system's icon size from the control's top left.
QLabel* CreateIcon(const ControlTemplate& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const std::string_view number = control.text;
    int id = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), id);
    if (error == std::errc() && end == number.data() + number.size()) {
        label->setPixmap(
            IconResource(id).pixmap(label->style()->pixelMetric(QStyle::PM_LargeIconSize)));
    }
    return label;
}

// A read-only edit box shows the window's colour, so that it does not look typeable.
EditBox* CreateEdit(const ControlTemplate& control, QWidget* parent) {
    auto* edit = new EditBox(parent);
    if ((control.style & kReadOnly) != 0) {
        edit->setReadOnly(true);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
    }
    return edit;
}

// The dialog manager puts the text closer to the box than most Qt styles do; template
// widths leave room for no more.
QCheckBox* CreateCheckBox(const ControlTemplate& control, QWidget* parent) {
    auto* check = new QCheckBox(QString::fromUtf8(control.text), parent);
    check->setStyleSheet(QStringLiteral("QCheckBox { spacing: 3px; }"));
    return check;
}

// Qt would make every button of a dialog a default button in turn; only the template says
// which one Enter presses.
QPushButton* CreatePushButton(const ControlTemplate& control, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(control.text), parent);
    button->setAutoDefault(false);
    button->setDefault((control.style & kDefaultButton) != 0);
    return button;
}

bool IsEnterKey(const QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enter && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

std::unique_ptr<DialogWindow>
CreateDialogWindow(Dialog& dialog, const DialogTemplate& dialogTemplate, Dialog* parent) {
    return std::make_unique<QtDialogWindow>(dialog, dialogTemplate, OwnerWidget(parent));
}

QDialog& WidgetOf(const Dialog& dialog) {
    return static_cast<QtDialogWindow&>(dialog.Window());
}

QWidget* WidgetOf(Control control) {
    return static_cast<QWidget*>(control.Native());
}

QtDialogWindow::QtDialogWindow(Dialog& dialog, const DialogTemplate& dialogTemplate,
                               QWidget* parent)
    : QDialog(parent, kDialogFlags), dialog_(dialog),
      dialogFont_(DialogFont(dialogTemplate.fontFace, dialogTemplate.pointSize)),
      units_(UnitsOf(dialogFont_)) {
    setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
    setFont(dialogFont_);
    setFixedSize(units_.X(dialogTemplate.width), units_.Y(dialogTemplate.height));
    CreateControls(dialogTemplate);
}

void QtDialogWindow::CreateControls(const DialogTemplate& dialogTemplate) {
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = CreateControl(control);
        widget->setFont(dialogFont_);
        widget->setGeometry(ToQRect(units_.Map(control.rect)));
        if (control.id != -1) {
            widget->setObjectName(QString::number(control.id));
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, id = control.id] { dialog_.DispatchCommand(id); });
        }
        controls_.emplace_back(dialog_, widget, control);
    }
}

QWidget* QtDialogWindow::CreateControl(const ControlTemplate& control) {
    switch (control.kind) {
    case ControlKind::GroupBox:
        return new GroupBox(QString::fromUtf8(control.text), this);
    case ControlKind::Label:
        return CreateLabel(control, this);
    case ControlKind::Edit:
        return CreateEdit(control, this);
    case ControlKind::PushButton:
        return CreatePushButton(control, this);
    case ControlKind::CheckBox:
        return CreateCheckBox(control, this);
    case ControlKind::Icon:
        return CreateIcon(control, this);
    }
    throw std::logic_error("dialog template: unknown control kind");
}

int QtDialogWindow::RunModalLoop() {
    return exec();
}

void QtDialogWindow::End(int result) {
    done(result);
}

void QtDialogWindow::SetIcon(int iconId) {
    setWindowIcon(IconResource(iconId));
}

void QtDialogWindow::AppendSystemMenuItem(const SystemMenu::Item& item) {
    systemMenu_.push_back(item);
}

void QtDialogWindow::DefaultSysCommand(unsigned command) {
    if ((command & kSystemCommandMask) == kCloseCommand) {
        close();
    }
}

// The stand-in for the system menu has the Close entry that every system menu has.
void QtDialogWindow::TrackSystemMenu(const QPoint& globalPosition) {
    std::vector<SystemMenu::Item> items{{kCloseCommand, "&Close"}};
    items.insert(items.end(), systemMenu_.begin(), systemMenu_.end());
    const std::optional<unsigned> chosen =
        CurrentPopupMenuSeam().Track(*this, items, globalPosition);
    if (chosen) {
        dialog_.DispatchSysCommand(*chosen);
    }
}

void QtDialogWindow::accept() {
    dialog_.DispatchCommand(IDOK);
}

// Escape, the close box and Close from the system menu all come here.
void QtDialogWindow::reject() {
    dialog_.DispatchCommand(IDCANCEL);
}

void QtDialogWindow::keyPressEvent(QKeyEvent* event) {
    if (IsEnterKey(*event)) {
        PressEnter();
    } else {
        QDialog::keyPressEvent(event);
    }
}

void QtDialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    TrackSystemMenu(event->globalPos());
}

// As the dialog manager: the focused push button, else the default one, else IDOK.
void QtDialogWindow::PressEnter() {
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
        focused->click();
        return;
    }
    for (const Control& control : controls_) {
        auto* button = qobject_cast<QPushButton*>(WidgetOf(control));
        if (button != nullptr && button->isDefault()) {
            if (button->isEnabled()) {
                button->click();
            }
            return;
        }
    }
    dialog_.DispatchCommand(IDOK);
}

} // namespace glyphsmith::ui
