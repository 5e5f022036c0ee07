// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

class QWidget;

namespace glyphsmith::test {

// What is wrong with a dialog's layout: a control outside the dialog, a caption wider
// than its control, two controls that overlap unless a group box frames the other. Empty
// when the layout holds together.
QStringList LayoutFaults(const QWidget& dialog);

} // namespace glyphsmith::test
