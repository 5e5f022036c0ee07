// SPDX-License-Identifier: MIT
// The shell's results as the Win32 side reads them.
#include "WindowsLinkOpener.h"

#include <gtest/gtest.h>

namespace glyphsmith {
namespace {

// Above 32 the address opened; 32 or less is explained as the shell explains it.
TEST(ShellOpenResultTest, CodesBecomeOutcomes) {
    const std::vector<std::pair<int, std::string>> texts = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {26, "A sharing violation occurred. "}, // with its trailing blank
        {32, "The specified dynamic-link library was not found."},
        {4, "Unknown Error (4) occurred."},   // a gap in the table
        {-1, "Unknown Error (-1) occurred."}, // beyond the signed range
    };
    for (const auto& [code, text] : texts) {
        EXPECT_EQ(OpenErrorText(ShellOpenResult(code)), text) << code;
    }
    for (const int code : {33, 1000000}) {
        EXPECT_EQ(ShellOpenResult(code), OpenOutcome::Opened) << code;
    }
}

} // namespace
} // namespace glyphsmith
