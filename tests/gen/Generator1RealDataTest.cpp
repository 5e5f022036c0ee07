// SPDX-License-Identifier: MIT
#include "Cp936Samples.h"
#include "Generator1.h"
#include "Paths.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <sstream>

namespace glyphsmith {
namespace {

// The row that iconv's value for a code gives.
std::string IconvRow(int subfont, int code) {
    const auto gbk = samples::GbkCodeOf(subfont, code);
    const auto unicode = gbk ? samples::UnicodeOf(*gbk) : std::nullopt;
    return test::HtfRow(code, unicode ? std::optional<int>(*unicode) : std::nullopt, "");
}

bool NamesAPrivateUseCharacter(const std::string& row) {
    unsigned value = 0;
    return std::sscanf(row.c_str(), "'&#x%4X;'", &value) == 1 && value >= 0xE000 && value <= 0xF8FF;
}

// Every row of the family song must name the character that iconv gives for its GBK
// code. iconv leaves 95 codes unmapped that the file maps into the Private Use Area.
using Generator1RealData = test::RunTest;

TEST_F(Generator1RealData, EveryRowAgreesWithIconv) {
    ASSERT_TRUE(std::filesystem::is_regular_file(GLYPHSMITH_UGBK_SFD))
        << GLYPHSMITH_UGBK_SFD << " is missing; scripts/install-deps installs texlive-font-utils";
    settings.sfdFile = GLYPHSMITH_UGBK_SFD;
    settings.htfDirectory = "out";
    settings.discardBlanks = false;

    ASSERT_EQ(RunGenerator1("song", settings, context), RunOutcome::Completed);
    EXPECT_EQ(test::ReadFile("log.txt"), "");

    int privateUseCodes = 0;
    for (int subfont = 1; subfont <= 94; ++subfont) {
        const std::string header = "gbksong" + TwoDigits(subfont) + " 0 255";
        const std::string name = "out/gbksong/gbksong" + TwoDigits(subfont) + ".htf";
        std::istringstream file(test::ReadFile(name));
        std::string line;
        ASSERT_TRUE(std::getline(file, line) && line == header) << name;
        for (int code = 0; code < 256; ++code) {
            ASSERT_TRUE(std::getline(file, line)) << name;
            const std::string expected = IconvRow(subfont, code);
            if (line != expected) {
                ASSERT_TRUE(expected.front() == ' ' && NamesAPrivateUseCharacter(line))
                    << name << ": " << line << " instead of " << expected;
                ++privateUseCodes;
            }
        }
        ASSERT_TRUE(std::getline(file, line) && line == header) << name;
        EXPECT_FALSE(std::getline(file, line)) << name;
    }
    EXPECT_EQ(privateUseCodes, 95);
}

} // namespace
} // namespace glyphsmith
