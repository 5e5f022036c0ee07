// SPDX-License-Identifier: MIT
// Names and paths as users type them, on each side: Chinese and accented names, characters
// beyond the Basic Multilingual Plane, shares and long forms, device names, and names
// that Windows would change. What Windows refuses stays an ordinary name on Linux.
#include "EnsureDirectory.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace glyphsmith::test {
namespace {

// Where a case's text goes: a family of Generator 1's list, the name a family is cloned
// onto, an alias name, or the directory of the alias files.
enum class Use { Family, CloneTarget, Alias, AliasDirectory };

struct Case {
    const char* label;
    Use use;
    std::string text;
    // On Windows, what the run says instead of writing: Generator 1's log, or the warning
    // of cloning and alias; empty when the files are written. Linux writes every case.
    std::string windowsRefusal;
};

const std::string kHan = "\xE5\xAE\x8B\xE4\xBD\x93"; // two Han characters
const std::string kBeyondBmp = "\xF0\xA0\x80\x80";   // U+20000
const std::string kFolders = "\xE5\xAD\x97\xE4\xBD\x93" + std::string(1, kPathSeparator) +
                             "\xE8\xBE\x93\xE5\x87\xBA"; // two folders of two Han each
// The share that tests/win32/wine-share.sh makes under wine.
const std::string kShare = "\\\\glyphsmith-test\\share\\";

// The warning of an alias directory that cannot be made.
std::string AliasDirectoryWarning(const std::string& directory) {
    return "Failed to create the directory " + directory + "!\n\n";
}

class NamesAndPathsTest : public RunTest {
  protected:
    NamesAndPathsTest() {
        WriteFile("UGBK.sfd", SfdText());
        settings.htfDirectory = "out";
        settings.fontFamily = kHan;
    }

    void Check(const Case& row, bool written) {
        reporter.messages.clear();
        if (row.use == Use::Family) {
            CheckFamily(row, written);
        } else if (row.use == Use::CloneTarget) {
            CheckClone(row, written);
        } else {
            CheckAlias(row, written);
        }
    }

  private:
    void CheckFamily(const Case& row, bool written) {
        EXPECT_EQ(Gen1(row.text),
                  written ? RunOutcome::Completed : RunOutcome::CompletedWithFailures);
        ExpectFamily(row, written, ReadFile("log.txt"));
    }

    void CheckClone(const Case& row, bool written) {
        ASSERT_EQ(Gen1("song"), RunOutcome::Completed);
        reporter.messages.clear();
        EXPECT_EQ(Clone("song", row.text), written ? RunOutcome::Completed : RunOutcome::Stopped);
        ExpectFamily(row, written, WarningText());
    }

    // The first line of the family's last file, or the refusal and no directory.
    void ExpectFamily(const Case& row, bool written, const std::string& refusal) {
        const std::string stem = "gbk" + row.text;
        const std::string directory = JoinPath("out", stem);
        if (written) {
            const std::string header = stem + "94 0 37";
            EXPECT_EQ(
                ReadFile(FsPath(JoinPath(directory, stem + "94.htf"))).substr(0, header.size()),
                header);
        } else {
            EXPECT_EQ(refusal, row.windowsRefusal);
            EXPECT_FALSE(EntryExists(directory));
        }
    }

    void CheckAlias(const Case& row, bool written) {
        const std::string alias = row.use == Use::Alias ? row.text : "x";
        settings.aliasDirectory = row.use == Use::Alias ? "al" : row.text;
        const std::string directory = JoinPath(settings.aliasDirectory, "gbk" + alias);
        EXPECT_EQ(Alias("song", alias), written ? RunOutcome::Completed : RunOutcome::Stopped);
        if (written) {
            EXPECT_EQ(ReadFile(FsPath(JoinPath(directory, "gbk" + alias + "07.htf"))),
                      ".gbksong07\nhtfcss: gbk" + alias + "07 font-family: " + kHan + ";\n\n");
        } else {
            EXPECT_EQ(WarningText(), row.windowsRefusal);
            EXPECT_FALSE(EntryExists(directory));
        }
    }

    // The one message of a stopped run, which must be a warning.
    std::string WarningText() const {
        const auto& shown = reporter.messages;
        const bool oneWarning = shown.size() == 1 && shown[0].severity == Severity::Warning;
        return oneWarning ? shown[0].text : "(not one warning)";
    }
};

TEST_F(NamesAndPathsTest, EachSideWritesOrRefusesEachCase) {
    const std::string unique = Utf8(work.Path().filename());
    const std::string absolute = Utf8(work.Path()) + kPathSeparator;
    const Case cases[] = {
        {"Chinese family", Use::Family, kHan, ""},
        {"accented family", Use::Family, "Cr\xC3\xA8me", ""},
        {"device name as a family, whose folder is gbkCON", Use::Family, "CON", ""},
        {"family ending in a dot", Use::Family, "song.",
         "Fail to create the directory " + JoinPath("out", "gbksong.") + "!\n"},
        {"clone onto a name ending in a dot", Use::CloneTarget, "kai.",
         "Failed to create the directory " + JoinPath("out", "gbkkai.") + "!\n"},
        {"alias beyond the BMP", Use::Alias, kBeyondBmp, ""},
        {"alias ending in a blank", Use::Alias, "kai ",
         AliasDirectoryWarning(JoinPath("al", "gbkkai "))},
        {"alias ending in dots", Use::Alias, "..", AliasDirectoryWarning(JoinPath("al", "gbk.."))},
        {"Chinese folders", Use::AliasDirectory, absolute + kFolders, ""},
        {"share", Use::AliasDirectory, kShare + unique, ""},
        {"share in the long form", Use::AliasDirectory,
         "\\\\?\\UNC\\glyphsmith-test\\share\\" + unique + "-long", ""},
        {"drive in the long form", Use::AliasDirectory, "\\\\?\\" + absolute + "long", ""},
        {"device name CON as the directory", Use::AliasDirectory, "CON",
         AliasDirectoryWarning(JoinPath("CON", "gbkx"))},
        {"device name NUL as the directory", Use::AliasDirectory, "NUL",
         AliasDirectoryWarning(JoinPath("NUL", "gbkx"))},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.label);
#ifdef _WIN32
        Check(row, row.windowsRefusal.empty());
#else
        Check(row, true);
#endif
    }
#ifdef _WIN32
    std::error_code error;
    for (const std::string& made : {unique, unique + "-long"}) {
        std::filesystem::remove_all(FsPath(kShare + made), error);
    }
#endif
}

// The directory of an output file, which its aside file is made in and a run sweeps, and a
// file's path in a directory, as the system reads them.
TEST(NativePath, GivesTheDirectoryOfAFileAndAFileInADirectory) {
    const std::string aside = std::string(1, kPathSeparator) + ".a";
    const struct {
        std::string path;
        std::string directory;
        std::string aside; // ".a" in the directory
    } kCases[] = {
        {"out/gbksong/gbksong01.htf", "out/gbksong", "out/gbksong" + aside},
        {kHan + "/" + kHan + ".htf", kHan, kHan + aside},
        {"x.htf", "", ".a"},
        {"/x.htf", "/", "/.a"},
        {"a//x.htf", "a", "a" + aside},
#ifdef _WIN32
        {"out\\gbksong\\x.htf", "out\\gbksong", "out\\gbksong\\.a"},
        {"C:\\x.htf", "C:\\", "C:\\.a"},
        {"C:x.htf", "C:", "C:.a"}, // in the current directory of drive C
        {kShare + "x.htf", kShare.substr(0, kShare.size() - 1), kShare + ".a"},
#endif
    };
    for (const auto& c : kCases) {
        const NativePath directory = NativePath(c.path).Parent();
        EXPECT_EQ(directory, NativePath(c.directory)) << c.path;
        EXPECT_EQ(directory / ".a", NativePath(c.aside)) << c.path;
    }
}

} // namespace
} // namespace glyphsmith::test
