// SPDX-License-Identifier: MIT
#include "IconResource.h"

#include <QFile>

namespace glyphsmith::ui {

QIcon IconResource(int id) {
    QIcon icon;
    for (const int size : {32, 16}) {
        const QString path = QStringLiteral(":/icons/icon%1-%2.xpm").arg(id).arg(size);
        if (QFile::exists(path)) {
            icon.addFile(path, QSize(size, size));
        }
    }
    return icon;
}

} // namespace glyphsmith::ui
