// SPDX-License-Identifier: MIT
// Generator 1 killed (SIGKILL) in a child process at several moments of a many-family run:
// no moment leaves a partial .htf file, and the next run leaves no aside file of the
// killed ones. While a killed run's writer still lives, a whole run beside it keeps the
// writer's aside file.
#include "BadInputFixture.h"
#include "FontName.h"
#include "StaleAsideFiles.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace glyphsmith {
namespace {

namespace fs = std::filesystem;

const char* const kFamilies = "zza zzb zzc zzd zze zzf";
constexpr int kFileCount = 6 * 94;

// The n-th file that the run writes, counting from 1: subfonts 01 to 94 of each family in
// turn.
fs::path NthFile(int n) {
    const std::string family = std::string("zz") + static_cast<char>('a' + (n - 1) / 94);
    return FontName::OfGbkFamily(family).PathIn("out", (n - 1) % 94 + 1);
}

// Whether a file for a missing target has no name before it is complete, as on Linux on
// most file systems.
bool NewFilesAreUnnamed() {
#ifdef O_TMPFILE
    const int fd = open(".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
        close(fd);
    }
    return fd >= 0;
#else
    return false;
#endif
}

struct Tree {
    std::vector<fs::path> htfFiles;
    std::vector<fs::path> asideFiles;
    std::vector<fs::path> others;
};

Tree Survey() {
    Tree tree;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator("out")) {
        const std::string name = entry.path().filename().string();
        if (IsAsideFileName(std::string_view(name))) {
            tree.asideFiles.push_back(entry.path());
        } else if (entry.is_regular_file() && entry.path().extension() == ".htf") {
            tree.htfFiles.push_back(entry.path());
        } else if (!entry.is_directory() || !name.starts_with("gbkzz")) {
            tree.others.push_back(entry.path());
        }
    }
    return tree;
}

// Every .htf file there is whole: the text that Generator 1 writes for its name.
void ExpectWholeFiles(const Tree& tree, const std::string& moment) {
    EXPECT_TRUE(tree.others.empty()) << moment << ": " << tree.others.front();
    for (const fs::path& file : tree.htfFiles) {
        const std::string font = file.stem().string(); // gbkzza07
        const int subfont = std::stoi(font.substr(font.size() - 2));
        ASSERT_EQ(test::ReadFile(file),
                  test::HtfText(font + " 0 255", test::HtfRows(subfont, 0, 255)))
            << moment << ": " << file;
    }
}

// A run of Generator 1 in a child process, which says when its n-th file is open and then
// goes on or waits for its end.
class ChildRun {
  public:
    ChildRun(const GenerationSettings& settings, const RunContext& context, int signalAtFile,
             bool hold) {
        EXPECT_EQ(pipe(signal_), 0);
        child_ = fork();
        if (child_ == 0) {
            int files = 0;
            test::RecordingReporter reporter;
            // A file's date is asked for once the file is open, before its text is written.
            RunGenerator1(kFamilies, settings, {reporter, context.workingDirectory, [&] {
                                                    if (++files == signalAtFile &&
                                                        (write(signal_[1], "n", 1) != 1 || hold)) {
                                                        pause();
                                                    }
                                                    return test::kDate;
                                                }});
            _exit(0);
        }
        close(signal_[1]);
    }
    ~ChildRun() {
        Kill();
        close(signal_[0]);
    }

    bool ReachedTheFile() {
        pollfd signal{signal_[0], POLLIN, 0};
        char byte = 0;
        return poll(&signal, 1, 60000) == 1 && read(signal_[0], &byte, 1) == 1;
    }

    void Kill() {
        if (child_ > 0) {
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
            child_ = -1;
        }
    }

  private:
    int signal_[2] = {-1, -1};
    pid_t child_ = -1;
};

using InterruptedRun = test::BadInputTest;

TEST_F(InterruptedRun, LeavesOnlyWholeFilesAndTheNextRunNoAsideFile) {
    const struct {
        const char* moment;
        int file;
        bool held; // or killed as soon as it has come there, wherever it is then
        bool runBeside;
    } kMoments[] = {
        {"with the first file open", 1, true, false},
        {"just past the first file", 1, false, false},
        {"mid-run", 250, false, false},
        {"with the last file of a family open", 94, true, true},
        {"with a file of the last family open", 480, true, false},
        {"near the end", 540, false, false},
    };
    const bool unnamed = NewFilesAreUnnamed();
    for (const auto& at : kMoments) {
        // A file over an earlier one is written under an aside name, a new one perhaps
        // under none.
        const bool named = fs::exists(NthFile(at.file)) || !unnamed;
        ChildRun run(settings, context, at.file, at.held);
        ASSERT_TRUE(run.ReachedTheFile()) << at.moment;
        const Tree held = Survey();
        if (at.held) {
            ASSERT_EQ(held.asideFiles.size(), named ? 1u : 0u) << at.moment;
        }
        if (at.runBeside) {
            ASSERT_TRUE(named) << at.moment; // so that there is an aside file to keep
        }
        if (at.runBeside) {
            // A whole run beside the live writer leaves its aside file alone.
            EXPECT_EQ(Gen1(kFamilies), RunOutcome::Completed);
            EXPECT_EQ(Survey().asideFiles, held.asideFiles) << at.moment;
        }
        run.Kill();
        ExpectWholeFiles(Survey(), at.moment);
    }
    EXPECT_EQ(Gen1(kFamilies), RunOutcome::Completed);
    const Tree tree = Survey();
    EXPECT_EQ(tree.asideFiles, std::vector<fs::path>());
    EXPECT_EQ(tree.htfFiles.size(), static_cast<std::size_t>(kFileCount));
    ExpectWholeFiles(tree, "after the next run");
}

} // namespace
} // namespace glyphsmith
