// SPDX-License-Identifier: MIT
#include "ProgramName.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace glyphsmith::platform {

std::string ProgramName() {
    if (QCoreApplication::instance() != nullptr) {
        return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
    }
    return QCoreApplication::applicationName().toStdString();
}

} // namespace glyphsmith::platform
