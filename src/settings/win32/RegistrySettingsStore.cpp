// SPDX-License-Identifier: MIT
// The store in the per-user registry: one REG_SZ value a setting under
// HKEY_CURRENT_USER\Software\Ostrelan\<program>\<section>.
#include "RegistryString.h"
#include "SettingsStore.h"
#include "Unicode.h"

namespace glyphsmith {

namespace {

std::wstring SectionKey(const std::string& application, const char* section) {
    return WideFromUtf8(std::string("Software\\") + kOrganisation + "\\" + application + "\\" +
                        section);
}

} // namespace

std::string SettingsStore::ReadString(const char* section, const char* name,
                                      const char* fallback) const {
    const std::optional<std::wstring> text = platform::ReadRegistryString(
        HKEY_CURRENT_USER, SectionKey(application_, section), WideFromUtf8(name));
    return text ? Utf8FromWide(*text) : fallback;
}

// A key that cannot be made or a value that cannot be set goes unnoticed: no caller could
// do anything about it.
void SettingsStore::WriteString(const char* section, const char* name, const std::string& text) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, SectionKey(application_, section).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    const std::wstring value = WideFromUtf8(text);
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    RegSetValueExW(key, WideFromUtf8(name).c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(value.c_str()), bytes);
    RegCloseKey(key);
}

} // namespace glyphsmith
