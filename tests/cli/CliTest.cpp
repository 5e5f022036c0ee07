#include "TestSupport.h"

#include <gtest/gtest.h>

namespace glyphsmith {
namespace {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

// Runs glyphsmith-cli in the working directory with its output captured.
CliResult RunCli(const std::string& arguments) {
    const std::string command =
        std::string(GLYPHSMITH_CLI) + " " + arguments + " >cli-out.txt 2>cli-err.txt";
    const int raw = std::system(command.c_str());
    CliResult result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, test::ReadFile("cli-out.txt"),
                     test::ReadFile("cli-err.txt")};
    std::filesystem::remove("cli-out.txt");
    std::filesystem::remove("cli-err.txt");
    return result;
}

TEST(Cli, HelpDescribesEveryOption) {
    test::ScopedWorkDir work;
    for (const char* help : {"--help", "-h"}) {
        const CliResult overview = RunCli(help);
        EXPECT_EQ(overview.status, 0);
        EXPECT_NE(overview.out.find("gen2"), std::string::npos);
        const CliResult gen2 = RunCli(std::string("gen2 ") + help);
        EXPECT_EQ(gen2.status, 0);
        for (const char* option : {"--codepage FILE", "--enc DIR", "--htf DIR", "--keep-blanks"}) {
            EXPECT_NE(gen2.out.find(option), std::string::npos) << help << " " << option;
        }
    }
    EXPECT_EQ(RunCli("--version").out, "glyphsmith-cli " GLYPHSMITH_VERSION "\n");
}

TEST(Cli, BadArgumentsExitWithTwo) {
    test::ScopedWorkDir work;
    EXPECT_EQ(RunCli("").status, 2);
    EXPECT_EQ(RunCli("nonsense").status, 2);
    // The error and a pointer to the help, not the whole help.
    const CliResult unknown = RunCli("gen2 --bogus");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "glyphsmith-cli gen2: The following argument was not expected: --bogus\n"
                           "Run \"glyphsmith-cli gen2 --help\" for more information.\n");
    EXPECT_EQ(RunCli("gen2 --htf").status, 2);
    EXPECT_EQ(RunCli("gen2 --keep-blanks=1").status, 2);
}

TEST(Cli, MessagesGoToTheStreamOfTheirCaption) {
    test::ScopedWorkDir work;
    const CliResult stopped = RunCli("gen2");
    EXPECT_EQ(stopped.status, 1);
    EXPECT_EQ(stopped.err, "Failed to open copyright.txt!\n");
    EXPECT_EQ(stopped.out, "");

    test::WriteFile("copyright.txt", "");
    const CliResult failed = RunCli("gen2 --enc missing");
    EXPECT_EQ(failed.status, 3);
    EXPECT_EQ(failed.err, "Some .htf files could not be created; see log.txt for details.\n");

    std::filesystem::create_directories("enc");
    const CliResult clean = RunCli("gen2 --enc enc --htf 'out dir' --keep-blanks");
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "All .htf files have been created!\n");
    EXPECT_EQ(clean.err, "");
}

TEST(Cli, CloneCopiesAFamily) {
    test::ScopedWorkDir work;
    for (int subfont = 1; subfont <= 94; ++subfont) {
        const std::string number = (subfont < 10 ? "0" : "") + std::to_string(subfont);
        test::WriteFile("ht/gbksong/gbksong" + number + ".htf",
                        "gbksong" + number + " 1 1\nrow\ngbksong" + number + " 1 1\n");
    }
    const CliResult clean = RunCli("clone --from song --to fsong --htf ht");
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "All .htf files have been created!\n");
    EXPECT_EQ(test::ReadFile("ht/gbkfsong/gbkfsong94.htf"),
              "gbkfsong94 1 1  %cloned from gbksong94.htf\nrow\ngbkfsong94 1 1\n");

    const CliResult onItself = RunCli("clone --from song --to song --htf ht");
    EXPECT_EQ(onItself.status, 1);
    EXPECT_EQ(onItself.err, "Cannot clone a family onto itself: ht/gbksong and ht/gbksong are "
                            "the same directory!\n");
    EXPECT_EQ(RunCli("clone --from song").status, 2);
}

TEST(Cli, AliasAppliesTheSlRuleAndTheStyleOptions) {
    test::ScopedWorkDir work;
    const CliResult help = RunCli("alias --help");
    for (const char* option : {"--target G", "--alias S", "--dir DIR", "--bold", "--italic",
                               "--font-family TEXT", "--other TEXT"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    const CliResult clean = RunCli("alias --target song --alias songsl --dir al "
                                   "--font-family 'Times New Roman' --other 'color: navy'");
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "All alias .htf files have been created!\n");
    EXPECT_EQ(test::ReadFile("al/gbksongsl/gbksongsl07.htf"),
              ".gbksong07\nhtfcss: gbksongsl07 font-family: Times New Roman; "
              "font-style: italic; color: navy;\n\n");
    EXPECT_EQ(RunCli("alias --alias x").status, 2);
}

TEST(Cli, Gen1TakesItsOptions) {
    test::ScopedWorkDir work;
    const CliResult help = RunCli("gen1 --help");
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--sfd FILE", "--htf DIR", "--families \"LIST\"", "--keep-blanks",
                               "(default \"song hei fs kai li you\")"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }

    test::WriteFile("copyright.txt", "");
    const CliResult missing = RunCli("gen1");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Failed to open UGBK.sfd file UGBK.sfd\n!\n");

    test::WriteFile("one.sfd", "The input encoding is Unicode\n27 0x5E02\n");
    const CliResult partial =
        RunCli("gen1 --sfd one.sfd --htf out --families ' kai ' --keep-blanks");
    EXPECT_EQ(partial.status, 3);
    EXPECT_EQ(test::ReadFile("out/gbkkai/gbkkai27.htf").substr(0, 33),
              "gbkkai27 0 255\n'&#x5E02;' ''   0\n");
    EXPECT_FALSE(std::filesystem::exists("out/gbksong"));

    const CliResult empty = RunCli("gen1 --sfd one.sfd --families ''");
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "All .htf files have been created!\n");
}

} // namespace
} // namespace glyphsmith
