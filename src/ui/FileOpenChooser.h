#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace glyphsmith {

// A filter in the dialog framework's notation, pairs of label and patterns ended by "||"
// ("Text Files (*.txt)|*.txt|All Files (*.*)|*.*||"), as Qt's name filters. Qt reads the
// patterns from the label's parentheses, so a label that already ends in them stays as
// it is; another one gets them appended.
QStringList QtNameFilters(std::string_view filter);

// Lets the user pick a file to open, through the modal seam, over owner. A typed name
// without an extension gets defaultExtension; initialName prefills the name. The chosen
// file's full path, or nothing on Cancel.
std::optional<std::string> ChooseFileToOpen(QWidget* owner, std::string_view defaultExtension,
                                            std::string_view initialName, std::string_view filter);

} // namespace glyphsmith
