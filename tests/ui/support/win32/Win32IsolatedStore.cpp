// SPDX-License-Identifier: MIT
// The registry key of the test program, emptied before and after every test.
#include "IsolatedStore.h"
#include "ProgramName.h"
#include "RegistryString.h"
#include "SettingsStore.h"
#include "Unicode.h"
#include "Win32Windows.h"

#include <vector>

namespace glyphsmith::test {

namespace {

// The values of a key and of its sub-keys, each with its path, name, type and bytes.
void AppendKey(HKEY root, const std::wstring& path, std::string& contents) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return;
    }
    DWORD subKeys = 0, longestSubKey = 0, values = 0, longestName = 0, longestData = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, &longestSubKey, nullptr, &values,
                     &longestName, &longestData, nullptr, nullptr);
    for (DWORD index = 0; index < values; ++index) {
        std::wstring name(longestName + 1, L'\0');
        std::string data(longestData, '\0');
        DWORD nameLength = longestName + 1, type = 0, bytes = longestData;
        RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type,
                      reinterpret_cast<BYTE*>(data.data()), &bytes);
        name.resize(nameLength);
        data.resize(bytes);
        contents +=
            Utf8FromWide(path + L'\\' + name) + ' ' + std::to_string(type) + '\n' + data + '\n';
    }
    for (DWORD index = 0; index < subKeys; ++index) {
        std::wstring name(longestSubKey + 1, L'\0');
        DWORD nameLength = longestSubKey + 1;
        RegEnumKeyExW(key, index, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr);
        name.resize(nameLength);
        AppendKey(root, path + L'\\' + name, contents);
    }
    RegCloseKey(key);
}

} // namespace

struct IsolatedStore::Place {
    std::wstring key;
};

// The key that the store takes for this program.
IsolatedStore::IsolatedStore()
    : place_(std::make_unique<Place>(Place{WideFromUtf8(std::string("Software\\") + kOrganisation +
                                                        "\\" + platform::ProgramName())})) {
    RegDeleteTreeW(HKEY_CURRENT_USER, place_->key.c_str());
}

IsolatedStore::~IsolatedStore() {
    RegDeleteTreeW(HKEY_CURRENT_USER, place_->key.c_str());
}

std::string IsolatedStore::Contents() const {
    std::string contents;
    AppendKey(HKEY_CURRENT_USER, place_->key, contents);
    return contents;
}

// The registry keeps nothing back between two readers: a plain read is a fresh one.
std::optional<std::string> IsolatedStore::StoredValue(const std::string& section,
                                                      const std::string& name) const {
    const std::optional<std::wstring> value = platform::ReadRegistryString(
        HKEY_CURRENT_USER, place_->key + L'\\' + WideFromUtf8(section), WideFromUtf8(name));
    if (!value) {
        return std::nullopt;
    }
    return Utf8FromWide(*value);
}

} // namespace glyphsmith::test
