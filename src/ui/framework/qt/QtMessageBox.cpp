// SPDX-License-Identifier: MIT
// The message box of the program's own seam on Qt.
#include "DialogCodes.h"
#include "SystemDialogs.h"
#include "WidgetHandles.h"

#include <QMessageBox>

namespace glyphsmith::ui {

namespace {

constexpr unsigned kIconMask = 0xF0;

} // namespace

void ShowSystemMessageBox(Dialog* owner, const std::string& text, const std::string& caption,
                          unsigned type) {
    const bool exclamation = (type & kIconMask) == MB_ICONEXCLAMATION;
    QMessageBox box(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, FromUtf8(caption),
                    FromUtf8(text), QMessageBox::Ok, OwnerWidget(owner));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace glyphsmith::ui
