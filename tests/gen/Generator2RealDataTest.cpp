// SPDX-License-Identifier: MIT
#include "Cp936Samples.h"
#include "Generator2.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <sstream>

namespace glyphsmith {
namespace {

// Every row of every file must name the character that iconv gives for its GBK code.
using Generator2RealData = test::RunTest;

TEST_F(Generator2RealData, EveryRowAgreesWithIconv) {
    samples::WriteSampleInputs(".", "gbksong");
    settings.htfDirectory = "out";
    settings.discardBlanks = false;

    ASSERT_EQ(RunGenerator2(settings, context), RunOutcome::Completed);
    EXPECT_EQ(test::ReadFile("log.txt"),
              "gbksongxx.enc files are found, gbksongxx.htf files are generating...\n");

    for (int subfont = 1; subfont <= 94; ++subfont) {
        char name[32];
        std::snprintf(name, sizeof name, "out/gbksong/gbksong%02d.htf", subfont);
        std::istringstream file(test::ReadFile(name));
        std::string line;
        std::getline(file, line);
        for (int code = 0; code < 256; ++code) {
            ASSERT_TRUE(std::getline(file, line)) << name;
            const auto gbk = samples::GbkCodeOf(subfont, code);
            const auto unicode = gbk ? samples::UnicodeOf(*gbk) : std::nullopt;
            char expected[32];
            if (unicode) {
                std::snprintf(expected, sizeof expected, "'&#x%04x;' '' %3d",
                              static_cast<unsigned>(*unicode), code);
            } else {
                std::snprintf(expected, sizeof expected, "  ''       '' %3d", code);
            }
            ASSERT_EQ(line, expected) << name;
        }
    }
}

} // namespace
} // namespace glyphsmith
