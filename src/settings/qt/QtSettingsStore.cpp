// SPDX-License-Identifier: MIT
// The store in QSettings' native format: ~/.config/Ostrelan/<program>.conf on Linux.
#include "SettingsStore.h"

#include <QSettings>

namespace glyphsmith {

namespace {

QString Key(const char* section, const char* name) {
    return QString::fromUtf8(section) + QLatin1Char('/') + QString::fromUtf8(name);
}

QSettings Settings(const std::string& application) {
    return QSettings(QString::fromUtf8(kOrganisation), QString::fromStdString(application));
}

} // namespace

std::string SettingsStore::ReadString(const char* section, const char* name,
                                      const char* fallback) const {
    const QSettings settings = Settings(application_);
    const QString key = Key(section, name);
    if (!settings.contains(key)) {
        return fallback;
    }
    return settings.value(key).toString().toStdString();
}

void SettingsStore::WriteString(const char* section, const char* name, const std::string& text) {
    QSettings settings = Settings(application_);
    settings.setValue(Key(section, name), QString::fromStdString(text));
    settings.sync();
}

} // namespace glyphsmith
