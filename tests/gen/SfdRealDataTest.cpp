// SPDX-License-Identifier: MIT
#include "Files.h"
#include "Paths.h"
#include "SfdReferences.h"
#include "SfdValueKind.h"
#include "SubfontDefinitions.h"
#include "TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace glyphsmith {
namespace {

SfdFile ReadTexTreeFile(const std::string& name) {
    const std::filesystem::path path =
        std::filesystem::path(GLYPHSMITH_UGBK_SFD).parent_path() / name;
    std::ifstream in = OpenInputFile(path.string());
    EXPECT_TRUE(in.is_open()) << path
                              << " is missing; scripts/install-deps installs texlive-font-utils";
    return SfdFile::Read(in);
}

// The sfd command must write Generator 1's rows for UGBK.sfd, so both readers must give
// every code of subfonts 01 to 94 the same reference.
TEST(SfdRealData, GivesGenerator1sReferencesForUgbk) {
    const SfdFile file = ReadTexTreeFile("UGBK.sfd");
    std::ifstream in = OpenInputFile(GLYPHSMITH_UGBK_SFD);
    const SubfontDefinitions definitions = SubfontDefinitions::Read(in);
    ASSERT_TRUE(definitions.Problems().empty());
    for (int subfont = 1; subfont <= kSubfontCount; ++subfont) {
        const SfdSubfont* read = file.Find(TwoDigits(subfont));
        ASSERT_NE(read, nullptr) << subfont;
        InputShortage shortage("UGBK.sfd");
        for (int code = 0; code < kCodesPerSubfont; ++code) {
            ASSERT_EQ(SfdReference(read->Value(code)),
                      definitions.Reference(subfont, code, shortage))
                << "subfont " << subfont << ", code " << code;
        }
    }
}

// For the families of UGBK.sfd the sfd command is Generator 1 with all 256 rows, template
// and dated comment included; it writes subfont 00 besides.
using SfdRunRealData = test::RunTest;

TEST_F(SfdRunRealData, WritesGenerator1sFilesForUgbk) {
    test::WriteFile("copyright.txt", "% the .htf line\nB\n");
    settings.sfdFile = GLYPHSMITH_UGBK_SFD;
    settings.htfDirectory = "gen1";
    settings.discardBlanks = false;
    ASSERT_EQ(Gen1("song"), RunOutcome::Completed);
    SfdRunSettings sfd;
    sfd.sfdFile = GLYPHSMITH_UGBK_SFD;
    sfd.fontList = "gbksong";
    sfd.htfDirectory = "sfd";
    sfd.keepBlanks = true;
    ASSERT_EQ(Sfd(sfd), RunOutcome::Completed);
    EXPECT_EQ(reporter.messages.back(),
              test::Information("Wrote 95 .htf files.\nAll .htf files have been created!"));

    for (int subfont = 1; subfont <= kSubfontCount; ++subfont) {
        const std::string file = "gbksong/gbksong" + TwoDigits(subfont) + ".htf";
        ASSERT_EQ(test::ReadFile("sfd/" + file), test::ReadFile("gen1/" + file)) << file;
    }
    EXPECT_EQ(test::ReadFile("sfd/gbksong/gbksong00.htf").substr(0, 16), "gbksong00 0 255\n");
}

TEST(SfdRealData, TellsEveryFileOfTheTexTree) {
    const std::vector<std::pair<std::string, SfdValueKind>> files = {
        {"Big5.sfd", SfdValueKind::NativeCodes},   {"EUC.sfd", SfdValueKind::NativeCodes},
        {"HKSCS.sfd", SfdValueKind::NativeCodes},  {"KS-HLaTeX.sfd", SfdValueKind::NativeCodes},
        {"SJIS.sfd", SfdValueKind::NativeCodes},   {"UBg5plus.sfd", SfdValueKind::Unicode},
        {"UBig5.sfd", SfdValueKind::Unicode},      {"UGB.sfd", SfdValueKind::Unicode},
        {"UGBK.sfd", SfdValueKind::Unicode},       {"UJIS.sfd", SfdValueKind::Unicode},
        {"UKS-HLaTeX.sfd", SfdValueKind::Unicode}, {"UKS.sfd", SfdValueKind::Unicode},
        {"Unicode.sfd", SfdValueKind::Unicode},
    };
    for (const auto& [name, kind] : files) {
        const SfdFile file = ReadTexTreeFile(name);
        EXPECT_TRUE(file.Notes().empty()) << name << ": " << file.Notes().at(0).reason;
        EXPECT_EQ(ValueKindOf(file), kind) << name;
    }
    EXPECT_EQ(ReadTexTreeFile("Unicode.sfd").Subfonts().size(), 4348u);
}

} // namespace
} // namespace glyphsmith
