// SPDX-License-Identifier: MIT
#include "EditBox.h"

#include <algorithm>

namespace glyphsmith::ui {

// QLineEdit cuts its text to its maximum length, so that maximum never drops below the
// length of the text it holds.
EditBox::EditBox(QWidget* parent) : QLineEdit(parent), limit_(maxLength()) {
    connect(this, &QLineEdit::textChanged, this, [this] { FitLengthToText(); });
}

void EditBox::SetLimitText(int maxChars) {
    limit_ = maxChars;
    FitLengthToText();
}

void EditBox::SetText(const QString& text) {
    setMaxLength(std::max(maxLength(), static_cast<int>(text.size())));
    setText(text);
    FitLengthToText();
}

void EditBox::FitLengthToText() {
    setMaxLength(std::max(limit_, static_cast<int>(text().size())));
}

} // namespace glyphsmith::ui
