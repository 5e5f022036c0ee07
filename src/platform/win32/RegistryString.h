// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <windows.h>

namespace glyphsmith::platform {

// A string value of a registry key, of any length; an empty name reads the key's default
// value. Nothing where the key or the value is absent or holds no string.
std::optional<std::wstring> ReadRegistryString(HKEY root, const std::wstring& key,
                                               const std::wstring& name);

} // namespace glyphsmith::platform
