// SPDX-License-Identifier: MIT
#include "ProgramName.h"
#include "SettingsStore.h"
#include "Unicode.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace glyphsmith {
namespace {

// The test program's own key, made afresh for every test and removed after it.
constexpr const wchar_t* kProgramKey = L"Software\\Ostrelan\\settings_tests";

class RegistrySettingsStoreTest : public ::testing::Test {
  protected:
    RegistrySettingsStoreTest() { RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey); }
    ~RegistrySettingsStoreTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey); }
};

// Read with the plain registry API, so that a store that agrees only with itself fails.
std::wstring StoredString(const wchar_t* name) {
    std::wstring text(4096, L'\0');
    DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    const std::wstring key = std::wstring(kProgramKey) + L"\\Settings";
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text.data(),
                     &bytes) != ERROR_SUCCESS) {
        return L"<no REG_SZ value>";
    }
    return text.c_str();
}

TEST_F(RegistrySettingsStoreTest, AnAbsentValueGivesTheDefaultAndAStoredEmptyOneStaysEmpty) {
    EXPECT_EQ(SettingsStore().ReadString(kSettingsSection, kFontListValue, "song"), "song");
    SettingsStore().WriteString(kSettingsSection, kFontListValue, "");
    EXPECT_EQ(SettingsStore().ReadString(kSettingsSection, kFontListValue, "song"), "");
    EXPECT_EQ(StoredString(L"Htf Fonts List"), L"");
}

TEST_F(RegistrySettingsStoreTest, HanAndLongValuesRoundTripUnderTheProgramsKey) {
    ASSERT_EQ(platform::ProgramName(), "settings_tests");
    const std::string han = "D:\\字体\\UGBK.sfd";
    std::string longPath = "C:";
    for (int level = 0; level < 150; ++level) {
        longPath += "\\目录";
    }
    SettingsStore().WriteString(kSettingsSection, kSfdFileValue, han);
    SettingsStore().WriteString(kSettingsSection, kHtfDirectoryValue, longPath);

    const SettingsStore store;
    EXPECT_EQ(store.ReadString(kSettingsSection, kSfdFileValue, ""), han);
    EXPECT_EQ(store.ReadString(kSettingsSection, kHtfDirectoryValue, ""), longPath);
    EXPECT_EQ(StoredString(L"UGBK.sfd file"), L"D:\\字体\\UGBK.sfd");
    EXPECT_EQ(StoredString(L".htf directory"), WideFromUtf8(longPath));
    EXPECT_GT(WideFromUtf8(longPath).size(), 260u);
}

} // namespace
} // namespace glyphsmith
