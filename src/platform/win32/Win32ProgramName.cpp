// SPDX-License-Identifier: MIT
#include "ProgramName.h"
#include "Unicode.h"

#include <filesystem>
#include <windows.h>

namespace glyphsmith::platform {

// A path that does not fit fills the whole buffer, cut; so the buffer grows until it fits.
std::string ProgramName() {
    std::wstring path(256, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    return Utf8FromWide(std::filesystem::path(path).stem().wstring());
}

} // namespace glyphsmith::platform
