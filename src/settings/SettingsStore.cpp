// SPDX-License-Identifier: MIT
#include "SettingsStore.h"

#include "ProgramName.h"

namespace glyphsmith {

SettingsStore::SettingsStore() : application_(platform::ProgramName()) {}

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
