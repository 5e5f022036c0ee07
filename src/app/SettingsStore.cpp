#include "SettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace glyphsmith {

namespace {

QString Key(const char* section, const char* name) {
    return QString::fromUtf8(section) + QLatin1Char('/') + QString::fromUtf8(name);
}

} // namespace

QString ProgramBaseName() {
    if (QCoreApplication::instance() != nullptr) {
        return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    }
    return QCoreApplication::applicationName();
}

SettingsStore::SettingsStore() : settings_(QString::fromUtf8(kOrganisation), ProgramBaseName()) {}

std::string SettingsStore::ReadString(const char* section, const char* name,
                                      const char* fallback) const {
    const QString key = Key(section, name);
    if (!settings_.contains(key)) {
        return fallback;
    }
    return settings_.value(key).toString().toStdString();
}

void SettingsStore::WriteString(const char* section, const char* name, const std::string& text) {
    settings_.setValue(Key(section, name), QString::fromStdString(text));
    settings_.sync();
}

GenerationSettings LoadGenerationSettings(const SettingsStore& store) {
    GenerationSettings settings;
    settings.codePageFile =
        store.ReadString(kSettingsSection, kCodePageFileValue, kDefaultCodePageFile);
    settings.encDirectory =
        store.ReadString(kSettingsSection, kEncDirectoryValue, kDefaultEncDirectory);
    settings.htfDirectory =
        store.ReadString(kSettingsSection, kHtfDirectoryValue, kDefaultHtfDirectory);
    settings.sfdFile = store.ReadString(kSettingsSection, kSfdFileValue, kDefaultSfdFile);
    settings.aliasDirectory =
        store.ReadString(kSettingsSection, kAliasDirectoryValue, kDefaultAliasDirectory);
    return settings;
}

} // namespace glyphsmith
