// SPDX-License-Identifier: MIT
// What only Windows shows: CR LF line ends, backslash paths, drive designators, file
// names that ignore letter case, and wide-character file names.
#include "Cloning.h"
#include "EnsureDirectory.h"
#include "Generator2.h"
#include "Paths.h"
#include "TestSupport.h"

#include <fstream>
#include <gtest/gtest.h>

namespace glyphsmith {
namespace {

namespace fs = std::filesystem;
using test::Warning;

std::string RawFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteRaw(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

// A table whose first code is U+4E02 and that ends there, with the given line end.
std::string Table(const std::string& end) {
    return "CODEPAGE 936" + end + ";LeadByte = 0x81" + end + "DBCSTABLE 190" + end +
           "0x40\t0x4E02" + end;
}

std::string Enc(const std::string& end) {
    std::string enc = "/gbksong01 [" + end + "/uni4E02" + end;
    for (int code = 1; code < 256; ++code) {
        enc += "/.notdef" + end;
    }
    return enc;
}

class WindowsTest : public test::RunTest {
  protected:
    WindowsTest() { WriteRaw(work.Path() / "copyright.txt", " % one\r\n"); }

    std::string Generate(const std::string& lineEnd) {
        WriteRaw(work.Path() / "MS-GBK-Codepage.txt", Table(lineEnd));
        WriteRaw(work.Path() / "enc" / "GBKSong" / "GBKSONG01.ENC", Enc(lineEnd));
        settings.htfDirectory = "out";
        RunGenerator2(settings, context);
        return RawFile(work.Path() / "out" / "gbksong" / "gbksong01.htf");
    }
};

TEST_F(WindowsTest, DefaultsAndJoinedPathsUseBackslashes) {
    EXPECT_EQ(std::string(kDefaultHtfDirectory), "..\\ht-fonts\\unicode\\cjk");
    EXPECT_EQ(std::string(kDefaultAliasDirectory), "..\\ht-fonts\\alias\\gbk");
    EXPECT_EQ(JoinPath("enc", "gbksong"), "enc\\gbksong");
}

TEST_F(WindowsTest, OutputLinesEndWithCrLfAndCrLfInputReadsLikeLf) {
    const std::string fromCrLf = Generate("\r\n");
    EXPECT_EQ(fromCrLf.substr(0, 17 + 25 + 2), "gbksong01 0 255\r\n'&#x4E02;' ''   0 % one\r\n  ");
    EXPECT_EQ(Generate("\n"), fromCrLf);
    const std::string log = RawFile(work.Path() / "log.txt");
    EXPECT_EQ(log.substr(0, 70),
              "gbksongxx.enc files are found, gbksongxx.htf files are generating...\r\n");
    EXPECT_NE(log.find("Failed to open .enc file enc\\gbksong\\gbksong02.enc!Go to the next "
                       "file!\r\n"),
              std::string::npos);
}

TEST_F(WindowsTest, EnsureDirectoryWalksBothSeparatorsAndDrives) {
    fs::create_directory("work");
    fs::current_path("work");
    EXPECT_TRUE(EnsureDirectory("..\\made/mixed\\path"));
    EXPECT_TRUE(fs::is_directory(work.Path() / "made" / "mixed" / "path"));

    const std::string absolute = (work.Path() / "abs" / "x").string();
    ASSERT_EQ(absolute[1], ':');
    EXPECT_TRUE(EnsureDirectory(absolute));
    EXPECT_TRUE(fs::is_directory(absolute));
    // A path that begins with a separator starts at the root of the current drive.
    EXPECT_TRUE(EnsureDirectory("\\"));
}

TEST_F(WindowsTest, CloningOntoTheSameFamilyInOtherCaseIsRefused) {
    settings.htfDirectory = "ht";
    const std::string source = "gbksong01 0 0\r\nrow\r\ngbksong01 0 0\r\n";
    WriteRaw(work.Path() / "ht" / "gbksong" / "gbksong01.htf", source);
    EXPECT_EQ(RunCloning("song", "SONG", settings, context), RunOutcome::Stopped);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].severity, Severity::Warning);
    EXPECT_EQ(RawFile(work.Path() / "ht" / "gbksong" / "gbksong01.htf"), source);
}

TEST_F(WindowsTest, NonAsciiPathsNameTheRightFiles) {
    const std::string chinese = "\xE5\xAD\x97\xE4\xBD\x93"; // two Han characters in UTF-8
    WriteRaw(work.Path() / "MS-GBK-Codepage.txt", Table("\r\n"));
    WriteRaw(work.Path() / "enc" / "gbksong" / "gbksong94.enc", Enc("\r\n"));
    settings.htfDirectory = chinese;
    RunGenerator2(settings, context);
    const fs::path expected =
        work.Path() / std::u8string(chinese.begin(), chinese.end()) / "gbksong" / "gbksong94.htf";
    EXPECT_TRUE(fs::exists(expected));
    EXPECT_EQ(RawFile(expected).substr(0, 16), "gbksong94 0 37\r\n");
}

} // namespace
} // namespace glyphsmith
