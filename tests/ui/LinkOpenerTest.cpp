// SPDX-License-Identifier: MIT
// Opening an address needs no window: these run wherever the window tests run.
#include "LinkOpener.h"

#include "FakeLinkOpener.h"

#include <gtest/gtest.h>

namespace glyphsmith {
namespace {

using Strings = std::vector<std::string>;
using CommandRun = std::pair<std::string, std::string>;

constexpr char kAddress[] = "https://tug.org/tex4ht/";

// The outcomes that the Qt side gives, and an unknown one of the Win32 side.
TEST(LinkOpenerTest, ErrorTexts) {
    const std::vector<std::pair<OpenResult, std::string>> texts = {
        {OpenOutcome::OutOfResources, "The operating system is out\nof memory or resources."},
        {OpenOutcome::FileNotFound, "The specified file was not found."},
        {OpenOutcome::NoAssociation,
         "There is no application associated\nwith the given filename extension."},
        {{OpenOutcome::Unknown, 4}, "Unknown Error (4) occurred."},
        {{OpenOutcome::Unknown, -1}, "Unknown Error (-1) occurred."},
    };
    for (const auto& [result, text] : texts) {
        EXPECT_EQ(OpenErrorText(result), text) << result.code;
    }
}

TEST(LinkOpenerTest, FallbackCommandLines) {
    struct Fallback {
        const char* name;
        const char* command;
        const char* commandLine;
    };
    const Fallback fallbacks[] = {
        {"quoted placeholder after an option",
         R"("C:\Program Files\Browser\browser.exe" -osint -url "%1")",
         R"("C:\Program Files\Browser\browser.exe" -osint -url  https://tug.org/tex4ht/)"},
        {"bare placeholder, arguments after it", R"(C:\Browser\browser.exe %1 -new)",
         R"(C:\Browser\browser.exe  https://tug.org/tex4ht/)"},
        {"placeholder glued to an option", R"(browser.exe -url=%1)",
         R"(browser.exe -url= https://tug.org/tex4ht/)"},
        {"no placeholder", R"("C:\Browser\browser.exe" -nohome)",
         R"("C:\Browser\browser.exe" -nohome https://tug.org/tex4ht/)"},
        {"the quoted placeholder wins over an earlier bare one", R"(browser.exe %1 "%1")",
         R"(browser.exe %1  https://tug.org/tex4ht/)"},
        {"a path in Chinese", R"("C:\浏览器\浏览.exe" "%1")",
         R"("C:\浏览器\浏览.exe"  https://tug.org/tex4ht/)"},
    };
    for (const Fallback& fallback : fallbacks) {
        EXPECT_EQ(FallbackCommandLine(fallback.command, kAddress), fallback.commandLine)
            << fallback.name;
    }
}

TEST(LinkOpenerTest, TheDesktopComesFirstAndTheWebPageProgramSecond) {
    test::FakeLinkOpener opened;
    EXPECT_EQ(OpenTarget(opened, kAddress), OpenOutcome::Opened);
    EXPECT_EQ(opened.webPageRuns.size(), 0u);

    test::FakeLinkOpener nothingRegistered;
    nothingRegistered.desktopResult = OpenOutcome::LibraryNotFound;
    EXPECT_EQ(OpenTarget(nothingRegistered, kAddress), OpenOutcome::LibraryNotFound);
    EXPECT_EQ(nothingRegistered.desktopOpens, Strings{kAddress});

    test::FakeLinkOpener fallback;
    fallback.desktopResult = OpenOutcome::NoAssociation;
    fallback.webPageCommand = "browser %1";
    fallback.webPageResult = OpenOutcome::FileNotFound;
    EXPECT_EQ(OpenTarget(fallback, kAddress), OpenOutcome::FileNotFound);
    EXPECT_EQ(fallback.webPageRuns, std::vector<CommandRun>{CommandRun("browser %1", kAddress)});
}

} // namespace
} // namespace glyphsmith
