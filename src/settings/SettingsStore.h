// SPDX-License-Identifier: MIT
#pragma once

#include "GenerationSettings.h"

#include <string>

namespace glyphsmith {

inline constexpr const char* kOrganisation = "Ostrelan";

// The value names of the section "Settings".
inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kCodePageFileValue = "MS codepage file";
inline constexpr const char* kEncDirectoryValue = ".enc directory";
inline constexpr const char* kHtfDirectoryValue = ".htf directory";
inline constexpr const char* kSfdFileValue = "UGBK.sfd file";
inline constexpr const char* kAliasDirectoryValue = "alias directory";
inline constexpr const char* kFontListValue = "Htf Fonts List";

// The per-user store of string values: the registry key Software\Ostrelan\<program> on
// Windows, the platform's settings file elsewhere. An absent value gives the default; a
// stored empty value stays empty. Texts are UTF-8.
class SettingsStore {
  public:
    // The organisation is "Ostrelan" and the application the program file's name without
    // its extension.
    SettingsStore();

    std::string ReadString(const char* section, const char* name, const char* fallback) const;
    // A failed write goes unnoticed, as nothing could be done about it.
    void WriteString(const char* section, const char* name, const std::string& text);

  private:
    std::string application_;
};

// The record as the main window starts with it: the stored paths, fixed options.
GenerationSettings LoadGenerationSettings(const SettingsStore& store);

} // namespace glyphsmith
