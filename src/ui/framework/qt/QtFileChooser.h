// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <string_view>

namespace glyphsmith::ui {

// A filter in the dialog framework's notation, pairs of label and patterns ended by "||"
// ("Text Files (*.txt)|*.txt|All Files (*.*)|*.*||"), as Qt's name filters: each label
// followed by its patterns in parentheses, which a chooser that hides the name filters'
// details reads but does not show. "*.*" becomes "*", every file.
QStringList QtNameFilters(std::string_view filter);

} // namespace glyphsmith::ui
