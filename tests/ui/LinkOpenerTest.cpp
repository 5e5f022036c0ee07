// Opening an address needs no window: these run wherever the window tests run.
#include "LinkOpener.h"

#include "FakeLinkOpener.h"

#include <gtest/gtest.h>

namespace glyphsmith {
namespace {

using Strings = std::vector<std::string>;
using CommandRun = std::pair<std::string, std::string>;

constexpr char kAddress[] = "https://tug.org/tex4ht/";

TEST(LinkOpenerTest, ErrorTexts) {
    const std::vector<std::pair<int, std::string>> texts = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {26, "A sharing violation occurred. "}, // with its trailing blank
        {32, "The specified dynamic-link library was not found."},
        {4, "Unknown Error (4) occurred."}, // a gap in the table
        {33, "Unknown Error (33) occurred."},
        {1000000, "Unknown Error (1000000) occurred."},
        {-1, "Unknown Error (-1) occurred."}, // beyond the signed range
    };
    for (const auto& [code, text] : texts) {
        EXPECT_EQ(OpenErrorText(code), text) << code;
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
    EXPECT_EQ(OpenTarget(opened, kAddress), kOpened);
    EXPECT_EQ(opened.webPageRuns.size(), 0u);

    test::FakeLinkOpener nothingRegistered;
    nothingRegistered.desktopResult = 32;
    EXPECT_EQ(OpenTarget(nothingRegistered, kAddress), 32);
    EXPECT_EQ(nothingRegistered.desktopOpens, Strings{kAddress});

    test::FakeLinkOpener fallback;
    fallback.desktopResult = kNoAssociation;
    fallback.webPageCommand = "browser %1";
    fallback.webPageResult = kFileNotFound;
    EXPECT_EQ(OpenTarget(fallback, kAddress), kFileNotFound);
    EXPECT_EQ(fallback.webPageRuns, std::vector<CommandRun>{CommandRun("browser %1", kAddress)});
}

} // namespace
} // namespace glyphsmith
