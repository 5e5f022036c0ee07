#include "Files.h"
#include "Paths.h"
#include "SfdReferences.h"
#include "SfdValueKind.h"
#include "SubfontDefinitions.h"

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
