// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

namespace glyphsmith::ui {

// An edit box with the dialog manager's text limit: typing and pasting stop at the limit,
// but a longer text that the program puts in is shown whole, never cut, so that reading
// it back can refuse it instead of losing its end.
class EditBox : public QLineEdit {
  public:
    explicit EditBox(QWidget* parent);

    void SetLimitText(int maxChars);
    void SetText(const QString& text);

  private:
    void FitLengthToText();

    int limit_;
};

} // namespace glyphsmith::ui
