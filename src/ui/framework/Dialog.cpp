#include "Dialog.h"

#include "EditBox.h"
#include "GroupBox.h"
#include "IconResource.h"
#include "ModalSeam.h"
#include "Utf8.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <charconv>
#include <stdexcept>
#include <string_view>

#ifdef _WIN32
#include "NativeSystemMenu.h"
#endif

namespace glyphsmith::ui {

namespace {

// A modal frame with a caption, a system menu and a close box; no minimise or maximise box.
constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint;

QLabel* CreateLabel(const ControlTemplate& control, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(control.text), parent);
    label->setTextFormat(Qt::PlainText);
    const Qt::Alignment vertical =
        (control.style & kVerticalCenter) ? Qt::AlignVCenter : Qt::AlignTop;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (control.style & kCenter) {
        horizontal = Qt::AlignHCenter;
    } else if (control.style & kRight) {
        horizontal = Qt::AlignRight;
    }
    label->setAlignment(horizontal | vertical);
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

Dialog::Dialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent, kDialogFlags),
      dialogFont_(DialogFont(dialogTemplate.fontFace, dialogTemplate.pointSize)),
      units_(dialogFont_) {
    setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
    setFont(dialogFont_);
    setFixedSize(units_.X(dialogTemplate.width), units_.Y(dialogTemplate.height));
    CreateControls(dialogTemplate);
}

void Dialog::CreateControls(const DialogTemplate& dialogTemplate) {
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = CreateControl(control);
        widget->setFont(dialogFont_);
        widget->setGeometry(units_.Map(control.rect));
        if (control.id != -1) {
            widget->setObjectName(QString::number(control.id));
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, id = control.id] { OnCommand(id); });
        }
        controls_.emplace_back(control.id, widget);
    }
}

QWidget* Dialog::CreateControl(const ControlTemplate& control) {
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

int Dialog::DoModal() {
    if (OnInitDialog()) {
        FocusFirstTabStop();
    }
    return CurrentModalSeam().RunModal(*this);
}

void Dialog::EndDialog(int result) {
    done(result);
}

QWidget* Dialog::GetDlgItem(int id) const {
    for (const auto& [controlId, widget] : controls_) {
        if (controlId == id) {
            return widget;
        }
    }
    return nullptr;
}

bool Dialog::UpdateData(bool saveAndValidate) {
    DataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

void Dialog::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
    const QString title = caption.empty() ? QCoreApplication::applicationName() : FromUtf8(caption);
    CurrentModalSeam().ShowMessageBox(this, FromUtf8(text), title, type);
}

void Dialog::BeginWaitCursor() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void Dialog::EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}

SystemMenu* Dialog::GetSystemMenu() {
#ifdef _WIN32
    if (!native::HasSystemMenu(*this)) {
        return nullptr;
    }
#endif
    if (systemMenu_ == nullptr) {
        systemMenu_ = std::make_unique<SystemMenu>(*this);
    }
    return systemMenu_.get();
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void Dialog::OnSysCommand([[maybe_unused]] unsigned command) {
#ifdef _WIN32
    passSysCommandOn_ = true;
#else
    if ((command & kSystemCommandMask) == kCloseCommand) {
        close();
    }
#endif
}

void Dialog::accept() {
    OnCommand(IDOK);
}

void Dialog::reject() {
    OnCommand(IDCANCEL);
}

void Dialog::keyPressEvent(QKeyEvent* event) {
    if (IsEnterKey(*event)) {
        PressEnter();
    } else {
        QDialog::keyPressEvent(event);
    }
}

#ifdef _WIN32
bool Dialog::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    if (eventType == "windows_generic_MSG") {
        if (const std::optional<unsigned> command = native::SystemCommandOf(message)) {
            passSysCommandOn_ = false;
            OnSysCommand(*command);
            if (!passSysCommandOn_) {
                *result = 0;
                return true;
            }
        }
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#else
void Dialog::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    for (const SystemMenu::Item& item : GetSystemMenu()->Items()) {
        if (item.command == 0) {
            menu.addSeparator();
        } else {
            menu.addAction(item.text)->setData(item.command);
        }
    }
    if (QAction* chosen = CurrentModalSeam().TrackPopupMenu(menu, event->globalPos())) {
        OnSysCommand(chosen->data().toUInt());
    }
}
#endif

void Dialog::OnCommand(int id) {
    for (const MessageMapEntry& entry : GetMessageMap()) {
        if (entry.controlId == id) {
            entry.handler(*this);
            return;
        }
    }
    if (id == IDOK) {
        OnOK();
    } else if (id == IDCANCEL) {
        OnCancel();
    }
}

// As the dialog manager: the focused push button, else the default one, else IDOK.
void Dialog::PressEnter() {
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
        focused->click();
        return;
    }
    for (const auto& [id, widget] : controls_) {
        auto* button = qobject_cast<QPushButton*>(widget);
        if (button != nullptr && button->isDefault()) {
            if (button->isEnabled()) {
                button->click();
            }
            return;
        }
    }
    OnCommand(IDOK);
}

void Dialog::FocusFirstTabStop() {
    for (const auto& [id, widget] : controls_) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isEnabled()) {
            widget->setFocus();
            return;
        }
    }
}

} // namespace glyphsmith::ui
