// SPDX-License-Identifier: MIT
#pragma once

#include "ScriptedModalSeam.h"

#include <functional>

class QFileDialog;
class QLineEdit;
class QPushButton;
class QString;

namespace glyphsmith::test {

// What a user does with one of Qt's own file dialogs; the step should end the dialog.
using FileDialogStep = std::function<void(QFileDialog&)>;

// Answers a chooser of the scripted seam with the program's own chooser, whose dialog the
// step is handed once it shows. A dialog that never shows, or that the step leaves open
// and that is then cancelled, fails the test.
ScriptedModalSeam::FolderStep RealFolderChooser(FileDialogStep step);
ScriptedModalSeam::FileStep RealFileChooser(FileDialogStep step);

// The parts of Qt's own file dialog that a user works with.
QPushButton* AcceptButton(QFileDialog& dialog);
QLineEdit* NameLine(QFileDialog& dialog);

// Types a name, or a path below the folder shown, over the name line's text as a user
// would: the dialog then follows the typed text rather than the entry selected before.
void TypeName(QFileDialog& dialog, const QString& name);

// Lets the dialog settle after a change: its listings and verdicts come later.
void Settle();

} // namespace glyphsmith::test
