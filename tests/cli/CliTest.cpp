// SPDX-License-Identifier: MIT
#include "CommandLine.h"
#include "RunTexts.h"
#include "SampleFiles.h"
#include "TestSupport.h"
#include "WideConsoleBuffer.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace glyphsmith {
namespace {

using cli::ExitStatus;
using Arguments = std::vector<std::string>;

struct CliResult {
    ExitStatus status;
    std::string out;
    std::string err;
};

// The command line run in process, in a working directory of its own.
class CliTest : public ::testing::Test {
  protected:
    CliResult Run(const Arguments& arguments) {
        std::ostringstream out;
        std::ostringstream err;
        const ExitStatus status = cli::RunCommandLine(arguments, {out, err, Utf8(work.Path())});
        return {status, out.str(), err.str()};
    }

    test::ScopedWorkDir work;
};

TEST_F(CliTest, HelpDescribesEveryOption) {
    for (const char* help : {"--help", "-h"}) {
        const CliResult overview = Run({help});
        EXPECT_EQ(overview.status, ExitStatus::Clean);
        EXPECT_NE(overview.out.find("gen2"), std::string::npos);
        EXPECT_NE(overview.out.find("\nexit status: 0 clean run, 1 a warning stopped the run, 2 "
                                    "bad arguments,\n3 the run finished but logged failures or "
                                    "notes,\n4 an unexpected error stopped the run\n"),
                  std::string::npos);
        const CliResult gen2 = Run({"gen2", help});
        EXPECT_EQ(gen2.status, ExitStatus::Clean);
        for (const char* option : {"--codepage FILE", "--enc DIR", "--htf DIR", "--keep-blanks"}) {
            EXPECT_NE(gen2.out.find(option), std::string::npos) << help << " " << option;
        }
    }
    EXPECT_EQ(Run({"--version"}).out, "glyphsmith-cli " GLYPHSMITH_VERSION "\n");
}

// The error and a pointer to the help, not the whole help; no run starts.
TEST_F(CliTest, BadArgumentsExitWithTheirErrorAlone) {
    const std::pair<Arguments, std::string> cases[] = {
        {{},
         "glyphsmith-cli: A command is required: gen1, gen2, clone, alias or sfd\n"
         "Run \"glyphsmith-cli --help\" for more information.\n"},
        {{"nonsense"},
         "glyphsmith-cli: The following argument was not expected: nonsense\n"
         "Run \"glyphsmith-cli --help\" for more information.\n"},
        {{"gen2", "--bogus"},
         "glyphsmith-cli gen2: The following argument was not expected: "
         "--bogus\nRun \"glyphsmith-cli gen2 --help\" for more information.\n"},
        // One command a call, so that no run's log and status hide another's.
        {{"gen1", "gen2"},
         "glyphsmith-cli gen1: The following argument was not expected: gen2\n"
         "Run \"glyphsmith-cli gen1 --help\" for more information.\n"},
        {{"clone", "--from", "song"},
         "glyphsmith-cli clone: --to is required\n"
         "Run \"glyphsmith-cli clone --help\" for more information.\n"},
        // The ranges of TFM files and all 256 codes cannot both be a file's range.
        {{"sfd", "--sfd", "UGB.sfd", "--fonts", "zzsong", "--tfm", ".", "--keep-blanks"},
         "glyphsmith-cli sfd: --tfm excludes --keep-blanks\n"
         "Run \"glyphsmith-cli sfd --help\" for more information.\n"},
    };
    for (const auto& [arguments, error] : cases) {
        const CliResult result = Run(arguments);
        EXPECT_EQ(result.status, ExitStatus::BadArguments) << error;
        EXPECT_EQ(result.err, error);
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(Run({"gen2", "--htf"}).status, ExitStatus::BadArguments);
    EXPECT_EQ(Run({"gen2", "--keep-blanks=1"}).status, ExitStatus::BadArguments);
    EXPECT_FALSE(std::filesystem::exists("log.txt"));
}

TEST_F(CliTest, MessagesGoToTheStreamOfTheirSeverity) {
    const CliResult stopped = Run({"gen2"});
    EXPECT_EQ(stopped.status, ExitStatus::Stopped);
    EXPECT_EQ(stopped.err, "Failed to open copyright.txt!\n");
    EXPECT_EQ(stopped.out, "");

    test::WriteFile("copyright.txt", "");
    const CliResult failed = Run({"gen2", "--enc", "missing"});
    EXPECT_EQ(failed.status, ExitStatus::Failures);
    EXPECT_EQ(failed.err, "Some .htf files could not be created; see log.txt for details.\n");

    std::filesystem::create_directories("enc");
    const CliResult clean = Run({"gen2", "--enc", "enc", "--htf", "out dir", "--keep-blanks"});
    EXPECT_EQ(clean.status, ExitStatus::Clean);
    EXPECT_EQ(clean.out, "All .htf files have been created!\n");
    EXPECT_EQ(clean.err, "");
}

TEST_F(CliTest, CloneCopiesAFamily) {
    test::WriteHtfFamily("ht", "gbksong", 1, 1, "row\n");
    const CliResult clean = Run({"clone", "--from", "song", "--to", "fsong", "--htf", "ht"});
    EXPECT_EQ(clean.status, ExitStatus::Clean);
    EXPECT_EQ(clean.out, "All .htf files have been created!\n");
    EXPECT_EQ(test::ReadFile("ht/gbkfsong/gbkfsong94.htf"),
              "gbkfsong94 1 1  %cloned from gbksong94.htf\nrow\ngbkfsong94 1 1\n");

    const CliResult onItself = Run({"clone", "--from", "song", "--to", "song", "--htf", "ht"});
    EXPECT_EQ(onItself.status, ExitStatus::Stopped);
    EXPECT_EQ(onItself.err, test::Native("Cannot clone a family onto itself: ht/gbksong and "
                                         "ht/gbksong are the same directory!\n"));
}

TEST_F(CliTest, AliasAppliesTheSlRuleAndTheStyleOptions) {
    const CliResult help = Run({"alias", "--help"});
    for (const char* option : {"--target G", "--alias S", "--dir DIR", "--bold", "--italic",
                               "--font-family TEXT", "--other TEXT"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    const CliResult clean = Run({"alias", "--target", "song", "--alias", "songsl", "--dir", "al",
                                 "--font-family", "Times New Roman", "--other", "color: navy"});
    EXPECT_EQ(clean.status, ExitStatus::Clean);
    EXPECT_EQ(clean.out, "All alias .htf files have been created!\n");
    EXPECT_EQ(test::ReadFile("al/gbksongsl/gbksongsl07.htf"),
              ".gbksong07\nhtfcss: gbksongsl07 font-family: Times New Roman; "
              "font-style: italic; color: navy;\n\n");
    EXPECT_EQ(Run({"alias", "--alias", "x"}).status, ExitStatus::BadArguments);
}

TEST_F(CliTest, Gen1TakesItsOptions) {
    const CliResult help = Run({"gen1", "--help"});
    EXPECT_EQ(help.status, ExitStatus::Clean);
    for (const char* option : {"--sfd FILE", "--htf DIR", "--families \"LIST\"", "--keep-blanks",
                               "(default \"song hei fs kai li you\")"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }

    test::WriteFile("copyright.txt", "");
    const CliResult missing = Run({"gen1"});
    EXPECT_EQ(missing.status, ExitStatus::Stopped);
    EXPECT_EQ(missing.err, "Failed to open UGBK.sfd file UGBK.sfd\n!\n");

    test::WriteFile("one.sfd", "The input encoding is Unicode\n27 0x5E02\n");
    const CliResult partial =
        Run({"gen1", "--sfd", "one.sfd", "--htf", "out", "--families", " kai ", "--keep-blanks"});
    EXPECT_EQ(partial.status, ExitStatus::Failures);
    EXPECT_EQ(test::ReadFile("out/gbkkai/gbkkai27.htf").substr(0, 33),
              "gbkkai27 0 255\n'&#x5E02;' ''   0\n");
    EXPECT_FALSE(std::filesystem::exists("out/gbksong"));

    const CliResult empty = Run({"gen1", "--sfd", "one.sfd", "--families", ""});
    EXPECT_EQ(empty.status, ExitStatus::Clean);
    EXPECT_EQ(empty.out, "All .htf files have been created!\n");
}

TEST_F(CliTest, SfdTakesItsOptionsAndCountsItsFiles) {
    const CliResult help = Run({"sfd", "--help"});
    EXPECT_EQ(help.status, ExitStatus::Clean);
    for (const char* option :
         {"--sfd FILE REQUIRED", "--fonts \"LIST\" REQUIRED", "--htf DIR", "--tfm DIR",
          "--keep-blanks", "--subfonts LIST",
          "\nThe subfont definition file must give Unicode values, as UGB.sfd, UGBK.sfd,\n",
          "\nexit status: 0 clean run"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    // The default path takes the platform's separator.
    EXPECT_NE(help.out.find("(default " + std::string(kDefaultHtfDirectory) + ")"),
              std::string::npos);
    for (std::size_t start = 0, end; (end = help.out.find('\n', start)) != std::string::npos;
         start = end + 1) {
        // Option lines are CLI11's; the paragraphs below them are wrapped.
        if (help.out.compare(start, 2, "  ") != 0) {
            EXPECT_LE(end - start, 80u) << help.out.substr(start, end - start);
        }
    }

    test::WriteFile("copyright.txt", "");
    test::WriteFile("zz.sfd", "4e 0x4E00\n4f 0x4F00\n");
    test::WriteFile("tfm/zzsong4f.tfm", test::TfmBytes(0, 0));
    const CliResult clean =
        Run({"sfd", "--sfd", "zz.sfd", "--fonts", "zzsong", "--tfm", "tfm", "--htf", "out"});
    EXPECT_EQ(clean.status, ExitStatus::Clean);
    EXPECT_EQ(clean.out, "Wrote 1 .htf file; 1 subfont had no TFM file.\n"
                         "All .htf files have been created!\n");
    EXPECT_EQ(test::ReadFile("out/zzsong/zzsong4f.htf"),
              "zzsong4f 0 0\n'&#x4F00;' ''   0\nzzsong4f 0 0\n");

    test::WriteFile("tfm/zzsong4e.tfm", "");
    const CliResult failed = Run({"sfd", "--sfd", "zz.sfd", "--fonts", "zzsong", "--tfm", "tfm",
                                  "--subfonts", "4e", "--htf", "out"});
    EXPECT_EQ(failed.status, ExitStatus::Failures);
    EXPECT_EQ(failed.err, "Wrote 0 .htf files; 0 subfonts had no TFM file.\n"
                          "Some .htf files could not be created; see log.txt for details.\n");

    test::WriteFile("native.sfd", "01 0xA140\n");
    const CliResult refused = Run({"sfd", "--sfd", "native.sfd", "--fonts", "zzsong"});
    EXPECT_EQ(refused.status, ExitStatus::Stopped);
    EXPECT_EQ(refused.err, NativeCodesText("native.sfd"));
}

// An error that no run expects, here standard output that fails with its exceptions on,
// ends the program with one line on standard error and a status of its own; the files
// written before stay.
TEST_F(CliTest, AnUnexpectedErrorEndsWithOneLineAndStatusFour) {
    test::WriteFile("copyright.txt", "");
    test::WriteFile("UGBK.sfd", test::SfdText());
    struct FullDisk : std::streambuf {
    } full;
    std::ostream out(&full);
    out.exceptions(std::ios::badbit);
    std::ostringstream err;
    const ExitStatus status = cli::RunCommandLine({"gen1", "--htf", "out", "--families", "kai"},
                                                  {out, err, Utf8(work.Path())});
    EXPECT_EQ(static_cast<int>(status), 4);
    const std::string start = "glyphsmith-cli: The run stopped on an unexpected error: ";
    const std::string end =
        ". Every .htf file is whole or as it was before; log.txt may lack lines.\n";
    const std::string line = err.str();
    EXPECT_EQ(line.substr(0, start.size()), start);
    EXPECT_TRUE(line.ends_with(end)) << line;
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
    EXPECT_EQ(test::ReadFile("out/gbkkai/gbkkai94.htf").substr(0, 14), "gbkkai94 0 37\n");
}

// A console gets whole characters only, even when a flush falls inside one.
TEST(WideConsoleBuffer, HandsOnWholeCharactersAsUtf16) {
    std::vector<std::u16string> written;
    {
        cli::WideConsoleBuffer buffer(
            [&](std::u16string_view text) { written.emplace_back(text); });
        std::ostream console(&buffer);
        const std::string text = "\xE5\xAE\x8B \xF0\xA0\x80\x80\n";
        console << text.substr(0, 2) << std::flush << text.substr(2, 5) << std::flush
                << text.substr(7);
    }
    EXPECT_EQ(written, (std::vector<std::u16string>{u"\u5B8B ", u"\U00020000\n"}));
}

} // namespace
} // namespace glyphsmith
