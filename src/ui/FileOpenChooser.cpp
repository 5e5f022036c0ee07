#include "FileOpenChooser.h"

#include "ModalSeam.h"
#include "Utf8.h"

namespace glyphsmith {

QStringList QtNameFilters(std::string_view filter) {
    const QStringList parts = ui::FromUtf8(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        const QString& label = parts[i];
        const QString patterns =
            QLatin1Char('(') +
            parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' ')) +
            QLatin1Char(')');
        filters << (label.endsWith(patterns) ? label : label + QLatin1Char(' ') + patterns);
    }
    return filters;
}

std::optional<std::string> ChooseFileToOpen(QWidget* owner, std::string_view defaultExtension,
                                            std::string_view initialName, std::string_view filter) {
    ui::FileRequest request;
    request.owner = owner;
    request.defaultExtension = ui::FromUtf8(defaultExtension);
    request.initialName = ui::FromUtf8(initialName);
    request.nameFilters = QtNameFilters(filter);
    const std::optional<QString> chosen = ui::CurrentModalSeam().ChooseFileToOpen(request);
    if (!chosen) {
        return std::nullopt;
    }
    return chosen->toStdString();
}

} // namespace glyphsmith
