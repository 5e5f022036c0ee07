#pragma once

class QFileDialog;
class QLineEdit;
class QPushButton;
class QString;

namespace glyphsmith::test {

// The parts of Qt's own file dialog that a user works with.
QPushButton* AcceptButton(QFileDialog& dialog);
QLineEdit* NameLine(QFileDialog& dialog);

// Types a name, or a path below the folder shown, over the name line's text as a user
// would: the dialog then follows the typed text rather than the entry selected before.
void TypeName(QFileDialog& dialog, const QString& name);

// Lets the dialog settle after a change: its listings and verdicts come later.
void Settle();

} // namespace glyphsmith::test
