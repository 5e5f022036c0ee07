// SPDX-License-Identifier: MIT
// The Windows resources linked into this program as into the window program.
#include "Resources.h"

#include "Unicode.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace glyphsmith::res {
namespace {

// The icon image that the system picks from icon 128 for a size; 0 when there is none.
int IconImageFor(int size) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(kApplicationIconId), RT_GROUP_ICON);
    if (group == nullptr) {
        return 0;
    }
    auto* directory = static_cast<PBYTE>(LockResource(LoadResource(module, group)));
    return LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
}

TEST(ResourcesTest, TheIconHasImagesOfBothSizes) {
    for (const int size : {32, 16}) {
        SCOPED_TRACE(size);
        HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kApplicationIconId),
                                 IMAGE_ICON, size, size, LR_DEFAULTCOLOR);
        EXPECT_NE(icon, nullptr) << "error " << GetLastError();
        DestroyIcon(static_cast<HICON>(icon));
    }
    EXPECT_NE(IconImageFor(32), 0);
    EXPECT_NE(IconImageFor(32), IconImageFor(16));
}

// Only the manifest makes the loader take the version 6 controls from the side-by-side store.
TEST(ResourcesTest, TheManifestBringsTheVersionSixCommonControls) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(LoadLibraryW(L"comctl32.dll"), path, MAX_PATH);
    EXPECT_NE(std::wstring(path).find(L"common-controls_6595b64144ccf1df_6.0."), std::wstring::npos)
        << "loaded from " << path;
}

// The manifest that a program carries; empty when it has none.
std::string ManifestOf(HMODULE program) {
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), RT_MANIFEST);
    if (found == nullptr) {
        return {};
    }
    const auto* text = static_cast<const char*>(LockResource(LoadResource(program, found)));
    return std::string(text, SizeofResource(program, found));
}

// Only a program whose manifest says so may use paths past 260 characters, and only where
// the system allows them.
TEST(ResourcesTest, BothProgramsAreAwareOfLongPaths) {
    std::wstring cliPath = WideFromUtf8(GLYPHSMITH_CLI);
    std::replace(cliPath.begin(), cliPath.end(), L'/', L'\\');
    HMODULE cli = LoadLibraryExW(cliPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(cli, nullptr) << "error " << GetLastError();
    for (HMODULE program : {GetModuleHandleW(nullptr), cli}) {
        EXPECT_NE(ManifestOf(program).find("<ws2:longPathAware>true</ws2:longPathAware>"),
                  std::string::npos);
    }
    FreeLibrary(cli);
}

} // namespace
} // namespace glyphsmith::res
