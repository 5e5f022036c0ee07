// SPDX-License-Identifier: MIT
#include "QtFileChooser.h"

#include "SystemDialogs.h"
#include "WidgetHandles.h"

#include <QDir>
#include <QFileDialog>

namespace glyphsmith::ui {

// Qt shows a filter's label up to its last parentheses and takes the patterns from inside
// them, so every label gets its patterns appended and the chooser hides them again: the
// user sees the label as the framework writes it. "*.*" means every file there, as on
// Windows, but Qt matches it literally and would pass over a name without a dot, such as
// a code page table or an sfd file without an extension; "*" stands for it.
QStringList QtNameFilters(std::string_view filter) {
    const QStringList parts = FromUtf8(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            if (pattern.trimmed() == QStringLiteral("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

// No title and no folder of its own: the dialog's default title and folder. Without
// option flags the Open dialog takes a name that does not exist as well.
std::optional<std::string> RunFileChooser(const FileRequest& request) {
    QFileDialog dialog(OwnerWidget(request.owner));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(FromUtf8(request.defaultExtension));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(QtNameFilters(request.filter));
    if (!request.initialName.empty()) {
        dialog.selectFile(FromUtf8(request.initialName));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(dialog.selectedFiles().value(0)).toStdString();
}

} // namespace glyphsmith::ui
