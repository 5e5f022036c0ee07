// SPDX-License-Identifier: MIT
#include "SettingsStore.h"

#include "TestSupport.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace glyphsmith {
namespace {

// Points the store at a fresh temporary directory, never at the user's own settings.
class SettingsStoreTest : public ::testing::Test {
  protected:
    SettingsStoreTest() {
        const QString path = QString::fromStdString(work.Path().string());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
    }

    test::ScopedWorkDir work;
};

TEST_F(SettingsStoreTest, FirstStartGivesTheDefaults) {
    const GenerationSettings settings = LoadGenerationSettings(SettingsStore());
    EXPECT_EQ(settings.codePageFile, "MS-GBK-Codepage.txt");
    EXPECT_EQ(settings.encDirectory, "enc");
    EXPECT_EQ(settings.htfDirectory, kDefaultHtfDirectory);
    EXPECT_EQ(settings.sfdFile, "UGBK.sfd");
    EXPECT_EQ(settings.aliasDirectory, kDefaultAliasDirectory);
    EXPECT_TRUE(settings.discardBlanks);
    EXPECT_FALSE(settings.bold);
    EXPECT_FALSE(settings.italic);
    EXPECT_EQ(settings.fontFamily, "");
    EXPECT_EQ(settings.otherStyle, "");
}

TEST_F(SettingsStoreTest, AStoredEmptyValueStaysEmpty) {
    SettingsStore().WriteString(kSettingsSection, kEncDirectoryValue, "");
    SettingsStore().WriteString(kSettingsSection, kFontListValue, "");
    const SettingsStore store;
    EXPECT_EQ(LoadGenerationSettings(store).encDirectory, "");
    EXPECT_EQ(store.ReadString(kSettingsSection, kFontListValue, kDefaultFontList), "");
}

TEST_F(SettingsStoreTest, ValuesSurviveANewStoreUnderTheirOwnNames) {
    SettingsStore().WriteString(kSettingsSection, kAliasDirectoryValue, "/tmp/alias %d");
    SettingsStore().WriteString(kSettingsSection, kHtfDirectoryValue, "/tmp/htf");
    const GenerationSettings settings = LoadGenerationSettings(SettingsStore());
    EXPECT_EQ(settings.aliasDirectory, "/tmp/alias %d");
    EXPECT_EQ(settings.htfDirectory, "/tmp/htf");
    EXPECT_EQ(settings.codePageFile, "MS-GBK-Codepage.txt");
}

TEST_F(SettingsStoreTest, NonAsciiTextRoundTrips) {
    SettingsStore().WriteString(kSettingsSection, kSfdFileValue, "字体/UGBK.sfd");
    EXPECT_EQ(LoadGenerationSettings(SettingsStore()).sfdFile, "字体/UGBK.sfd");
}

} // namespace
} // namespace glyphsmith
