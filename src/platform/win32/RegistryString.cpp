// SPDX-License-Identifier: MIT
#include "RegistryString.h"

#include <string_view>

namespace glyphsmith::platform {

// The buffer grows to what the value needs, also when the value grows between two reads;
// the text ends at its first zero, as a REG_SZ does.
std::optional<std::wstring> ReadRegistryString(HKEY root, const std::wstring& key,
                                               const std::wstring& name) {
    const wchar_t* valueName = name.empty() ? nullptr : name.c_str();
    std::wstring text(1, L'\0');
    DWORD bytes = sizeof(wchar_t);
    for (;;) {
        const LSTATUS status =
            RegGetValueW(root, key.c_str(), valueName, RRF_RT_REG_SZ, nullptr, text.data(), &bytes);
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

} // namespace glyphsmith::platform
