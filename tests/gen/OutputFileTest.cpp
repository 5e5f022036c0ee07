// SPDX-License-Identifier: MIT
// Output files replace their earlier files whole. A write fails the way a full disk makes
// it fail in a child process whose files may not grow past a limit (EFBIG), so that no
// test needs root or a file system of its own. A close fails, as a network file system's
// can, through the stand-in for the C library's close at the end of this file.
#include "BadInputFixture.h"
#include "Files.h"

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace glyphsmith::test {
namespace {

// Every file under the runs' output directories, with its size: a file written in part
// is shorter than the whole one.
std::map<std::string, std::uintmax_t> OutputFiles() {
    std::map<std::string, std::uintmax_t> files;
    for (const char* root : {"out", "al"}) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
            if (!entry.is_directory()) {
                files[entry.path().string()] = entry.file_size();
            }
        }
    }
    return files;
}

class ReplacedOutput : public BadInputTest {
  protected:
    static constexpr rlim_t kFileSizeLimit = 16000;

    // The run in a child process whose writes past kFileSizeLimit bytes of a file fail.
    RunOutcome Limited(const std::function<RunOutcome()>& run) {
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
            const rlimit limit{kFileSizeLimit, kFileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
            _exit(static_cast<int>(run()));
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status));
        return static_cast<RunOutcome>(WEXITSTATUS(status));
    }
};

TEST_F(ReplacedOutput, AFailedWriteKeepsTheEarlierFileAndLeavesNoOther) {
    // Every output of every run passes the limit; no log does.
    const std::string longLine(20000, 'c');
    WriteFile("copyright.txt", longLine + "\n");
    settings.bold = true;
    settings.otherStyle = longLine;
    WriteEnc(1, EncText());
    ASSERT_EQ(Gen1(), RunOutcome::Completed);
    ASSERT_EQ(Gen2(), RunOutcome::CompletedWithFailures);
    ASSERT_EQ(Clone(), RunOutcome::Completed);
    ASSERT_EQ(Alias(), RunOutcome::Completed);
    const auto earlier = OutputFiles();

    EXPECT_EQ(Limited([this] { return Gen1("song hei"); }), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), SeriesLines("Fail to write .htf file", Gen1File) +
                                       SeriesLines("Fail to write .htf file", [](int subfont) {
                                           return HtfFile("hei", subfont);
                                       }));
    EXPECT_EQ(Limited([this] { return Gen2(); }), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), Progress() + "Failed to write .htf file " + Gen2File(1) +
                                       "!Go to the next file!\n" + MissingEncLines(2, 94));
    EXPECT_EQ(Limited([this] { return Clone(); }), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"), SeriesLines("Failed to write cloned .htf file", CloneTarget));
    EXPECT_EQ(Limited([this] { return Alias(); }), RunOutcome::CompletedWithFailures);
    EXPECT_EQ(ReadFile("log.txt"),
              SeriesLines("Failed to write the alias .htf file",
                          [](int subfont) { return AliasFile("x", subfont); }));

    EXPECT_EQ(OutputFiles(), earlier);
    EXPECT_TRUE(fs::is_empty("out/gbkhei"));
}

TEST_F(ReplacedOutput, ALinkStaysALinkAndItsFileKeepsItsPermissions) {
    const fs::perms ownerOnly = fs::perms::owner_read | fs::perms::owner_write;
    WriteFile("kept/gbksong01.htf", "earlier");
    fs::permissions("kept/gbksong01.htf", ownerOnly);
    fs::create_directories("out/gbksong");
    fs::create_symlink("../../kept/gbksong01.htf", Gen1File(1));
    fs::create_symlink("../../kept/gbksong02.htf", Gen1File(2)); // nothing there yet

    EXPECT_EQ(Gen1(), RunOutcome::Completed);
    for (int subfont : {1, 2}) {
        EXPECT_TRUE(fs::is_symlink(Gen1File(subfont))) << subfont;
        const std::string header = "gbksong" + TwoDigits(subfont) + " 0 255";
        EXPECT_EQ(ReadFile("kept/gbksong" + TwoDigits(subfont) + ".htf"),
                  HtfText(header, HtfRows(subfont, 0, 255)));
    }
    EXPECT_EQ(fs::status("kept/gbksong01.htf").permissions(), ownerOnly);
    EXPECT_EQ(std::distance(fs::directory_iterator("kept"), fs::directory_iterator()), 2);
}

// The new file takes the earlier one's permissions whatever the umask withholds; a new one
// gets what the umask leaves.
TEST(ReplacedPermissions, AreTheEarlierFilesOrWhatTheUmaskLeaves) {
    test::ScopedWorkDir work;
    const mode_t umaskBefore = umask(022);
    const struct {
        const char* name;
        int earlier; // -1: no file there
        int after;
    } kFiles[] = {
        {"new.htf", -1, 0644},          {"shared.htf", 0666, 0666},   {"private.htf", 0600, 0600},
        {"group.htf", 0640, 0640},      {"setgid.htf", 02664, 02664}, {"odd.htf", 0604, 0604},
        {"write-only.htf", 0200, 0200},
    };
    for (const auto& file : kFiles) {
        if (file.earlier >= 0) {
            WriteFile(file.name, "earlier");
            ASSERT_EQ(chmod(file.name, file.earlier), 0);
        }
        glyphsmith::OutputFiles run;
        OutputFile out(file.name, run);
        out.Stream() << "new";
        EXPECT_TRUE(out.Commit()) << file.name;
        struct stat written {};
        ASSERT_EQ(stat(file.name, &written), 0);
        EXPECT_EQ(written.st_mode & 07777, static_cast<mode_t>(file.after)) << file.name;
    }
    umask(umaskBefore);
}

// Whether the file system of the working directory swaps two names in one step.
bool CanExchangeNames() {
    WriteFile("swap-a", "a");
    WriteFile("swap-b", "b");
    const bool swapped = renameat2(AT_FDCWD, "swap-a", AT_FDCWD, "swap-b", RENAME_EXCHANGE) == 0;
    fs::remove("swap-a");
    fs::remove("swap-b");
    return swapped;
}

ino_t InodeOf(const char* path) {
    struct stat file {};
    EXPECT_EQ(stat(path, &file), 0) << path;
    return file.st_ino;
}

// One run over earlier files of one directory: a replaced file's earlier inode serves the
// next file only where nothing could tell it from a new one, and never carries another
// link's text, an owner or permissions along.
TEST(ReplacedFilesOfARun, ReuseOnlyWhatNoOneElseSees) {
    test::ScopedWorkDir work;
    const mode_t umaskBefore = umask(022);
    const bool exchanges = CanExchangeNames();
    constexpr uid_t kOtherUser = 12345;
    const struct {
        const char* name;
        int earlier; // -1: no file there
        bool linked; // has a second name, "<name>.link"
        bool othersFile;
        int after;
        const char* takesEarlierInodeOf; // none: a new inode
    } kFiles[] = {
        {"a.htf", 0644, false, false, 0644, nullptr},
        {"b.htf", 0600, false, false, 0600, "a.htf"},
        {"c.htf", 0664, true, false, 0664, "b.htf"},
        {"d.htf", 0644, false, true, 0644, nullptr},  // not c's: it has another name
        {"e.htf", 0640, false, false, 0640, nullptr}, // not d's: another user owns it
        {"f.htf", 0604, false, false, 0604, "e.htf"},
        {"g.htf", -1, false, false, 0644, nullptr},
    };
    std::map<std::string, ino_t> earlierInodes;
    for (const auto& file : kFiles) {
        if (file.earlier < 0) {
            continue;
        }
        WriteFile(file.name, std::string("earlier ") + file.name);
        ASSERT_EQ(chmod(file.name, file.earlier), 0);
        if (file.linked) {
            fs::create_hard_link(file.name, std::string(file.name) + ".link");
        }
        if (file.othersFile && geteuid() == 0) {
            ASSERT_EQ(chown(file.name, kOtherUser, getegid()), 0);
        }
        earlierInodes[file.name] = InodeOf(file.name);
    }
    glyphsmith::OutputFiles run;
    for (const auto& file : kFiles) {
        OutputFile out(file.name, run);
        out.Stream() << "new " << file.name;
        EXPECT_TRUE(out.Commit()) << file.name;
    }
    run.Close();
    for (const auto& file : kFiles) {
        EXPECT_EQ(ReadFile(file.name), std::string("new ") + file.name);
        struct stat written {};
        ASSERT_EQ(stat(file.name, &written), 0);
        EXPECT_EQ(written.st_mode & 07777, static_cast<mode_t>(file.after)) << file.name;
        EXPECT_EQ(written.st_uid, geteuid()) << file.name;
        EXPECT_EQ(written.st_nlink, 1U) << file.name;
        if (file.linked) {
            EXPECT_EQ(ReadFile(std::string(file.name) + ".link"),
                      std::string("earlier ") + file.name);
        }
        if (exchanges && file.takesEarlierInodeOf != nullptr) {
            EXPECT_EQ(written.st_ino, earlierInodes[file.takesEarlierInodeOf]) << file.name;
        } else if (file.earlier >= 0) {
            EXPECT_NE(written.st_ino, earlierInodes[file.name]) << file.name;
        }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 8); // with c.htf.link
    umask(umaskBefore);
}

// The file whose close fails (EIO) while it has this name; none when null.
const char* failCloseOf = nullptr;

// A close that fails once the new file has taken the target's name puts back what was there
// and leaves no aside file; the run's next file is written as ever.
TEST(FailedClose, PutsBackWhatWasThere) {
    test::ScopedWorkDir work;
    if (!CanExchangeNames()) {
        GTEST_SKIP() << "the file system swaps no names, so every close comes before the rename";
    }
    const struct {
        const char* name;
        const char* earlier; // none: no file there
        bool closeFails;
    } kFiles[] = {
        {"new.htf", nullptr, true}, // linked while open
        {"a.htf", "earlier a", false},
        {"b.htf", "earlier b", true}, // written into a's earlier file
        {"c.htf", "earlier c", false},
    };
    for (const auto& file : kFiles) {
        if (file.earlier != nullptr) {
            WriteFile(file.name, file.earlier);
        }
    }
    glyphsmith::OutputFiles run;
    for (const auto& file : kFiles) {
        OutputFile out(file.name, run);
        out.Stream() << "new " << file.name;
        failCloseOf = file.closeFails ? file.name : nullptr;
        EXPECT_EQ(out.Commit(), !file.closeFails) << file.name;
        failCloseOf = nullptr;
    }
    run.Close();
    for (const auto& file : kFiles) {
        const std::string expected = !file.closeFails ? std::string("new ") + file.name
                                     : file.earlier   ? file.earlier
                                                      : "(none)";
        EXPECT_EQ(fs::exists(file.name) ? ReadFile(file.name) : "(none)", expected) << file.name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 3);
}

// Who may write a file by its mode bits, as the kernel decides it.
TEST(ModeBitsLetWrite, OnlyTheClassOfTheCallerCounts) {
    const struct {
        unsigned mode;
        unsigned callerUid;
        std::vector<unsigned> callerGroups;
        bool writes;
    } kCases[] = {
        {0000, 0, {0}, true},      // root
        {0200, 1000, {100}, true}, // the owner
        {0444, 1000, {100}, false},
        {0070, 1000, {100}, false},   // the owner, though group and others may
        {0020, 1001, {100}, true},    // in the file's group as the effective group
        {0020, 1001, {5, 100}, true}, // as a supplementary one
        {0402, 1001, {100}, false},   // in the group, though others may
        {0002, 1001, {5}, true},      // anyone else
        {0660, 1001, {5}, false},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(ModeBitsLetWrite({c.mode, 1000, 100}, {c.callerUid, c.callerGroups}), c.writes)
            << std::oct << c.mode << " by " << std::dec << c.callerUid;
    }
}

} // namespace
} // namespace glyphsmith::test

// The C library's close, failing for the file that has the name failCloseOf when it is
// closed: only a network file system's close fails for real.
extern "C" int close(int fd) {
    using glyphsmith::test::failCloseOf;
    struct stat open {};
    struct stat named {};
    const bool fails = failCloseOf != nullptr && fstat(fd, &open) == 0 &&
                       stat(failCloseOf, &named) == 0 && open.st_dev == named.st_dev &&
                       open.st_ino == named.st_ino;
    const long closed = syscall(SYS_close, fd);
    if (fails && closed == 0) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(closed);
}
