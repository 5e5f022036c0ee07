// The store in the per-user registry: one REG_SZ value a setting under
// HKEY_CURRENT_USER\Software\Ostrelan\<program>\<section>.
#include "SettingsStore.h"
#include "Utf16.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <windows.h>

namespace glyphsmith {

namespace {

using ui::win32::ToUtf16;
using ui::win32::ToUtf8;

std::wstring SectionKey(const std::string& application, const char* section) {
    return ToUtf16(std::string("Software\\") + kOrganisation + "\\" + application + "\\" + section);
}

// Nothing where the key or the value is absent, or the value holds no string. The buffer
// grows to what the value needs, also when the value grows between two reads; the text ends
// at its first zero, as a REG_SZ does.
std::optional<std::wstring> ReadRegistryString(const std::wstring& key, const std::wstring& name) {
    std::wstring text(1, L'\0');
    DWORD bytes = sizeof(wchar_t);
    for (;;) {
        const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(),
                                            RRF_RT_REG_SZ, nullptr, text.data(), &bytes);
        if (status == ERROR_SUCCESS) {
            const std::wstring_view stored(text.data(), bytes / sizeof(wchar_t));
            return std::wstring(stored.substr(0, stored.find(L'\0')));
        }
        if (status != ERROR_MORE_DATA) {
            return std::nullopt;
        }
        text.resize(bytes / sizeof(wchar_t) + 1);
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    }
}

} // namespace

std::string SettingsStore::ReadString(const char* section, const char* name,
                                      const char* fallback) const {
    const std::optional<std::wstring> text =
        ReadRegistryString(SectionKey(application_, section), ToUtf16(name));
    return text ? ToUtf8(*text) : fallback;
}

// A key that cannot be made or a value that cannot be set goes unnoticed: no caller could
// do anything about it.
void SettingsStore::WriteString(const char* section, const char* name, const std::string& text) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, SectionKey(application_, section).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    const std::wstring value = ToUtf16(text);
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    RegSetValueExW(key, ToUtf16(name).c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(value.c_str()), bytes);
    RegCloseKey(key);
}

// A path that does not fit fills the whole buffer, cut; so the buffer grows until it fits.
std::string ProgramBaseName() {
    std::wstring path(256, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    return ToUtf8(std::filesystem::path(path).stem().wstring());
}

} // namespace glyphsmith
