// SPDX-License-Identifier: MIT
// Times whole command-line runs on the sample inputs and the CJK package's UGBK.sfd and
// compares each with copying its own output tree (cp -r), which is the least a run that
// writes those files can cost: into an empty tree, and over the tree of an earlier round
// against a copy over an earlier copy. Peak memory is the child's maximum resident set
// size.
#include "Cp936Samples.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Measurement {
    double seconds;
    double cpuSeconds; // user and system time: what other loads of the machine change less
    double peakMegabytes;
};

Measurement RunOnce(const std::vector<std::string>& command, const fs::path& directory) {
    // The child would write out what the parent still holds in its buffer.
    std::fflush(nullptr);
    // Files just removed or written are still being put on disk; neither the run nor the
    // copy should pay for what came before it.
    sync();
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        fs::current_path(directory);
        std::vector<char*> argv;
        for (const std::string& arg : command) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        if (std::freopen("/dev/null", "w", stdout) == nullptr) {
            _exit(126);
        }
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::cerr << "bench: " << command[0] << " " << command[1] << " failed\n";
        std::exit(1);
    }
    const auto inSeconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    return {elapsed.count(), inSeconds(usage.ru_utime) + inSeconds(usage.ru_stime),
            usage.ru_maxrss / 1024.0};
}

struct Scenario {
    std::string name;
    std::vector<std::string> arguments; // after the CLI's path
    std::string outputTree;             // relative to the work directory
    std::vector<std::string> source;    // an untimed run that makes the run's input
    // Whether the run and the copy go over the trees of their earlier rounds instead of into
    // empty ones; the inputs then alternate between two variants, so that every file changes.
    bool overEarlierTree = false;
    std::vector<std::string> alternateArguments; // the second variant; none: the same
    std::string program;                         // what runs: kCli or another
};

// The program that a scenario runs, with the CLI's path put in.
const std::string kCli;

// The directories that runs write into, emptied after each scenario.
const char* const kOutputRoots[] = {"out", "al", "copy", "src"};

std::vector<std::string> CliCommand(const std::string& cli, const std::vector<std::string>& args) {
    std::vector<std::string> command = {cli};
    command.insert(command.end(), args.begin(), args.end());
    return command;
}

double MedianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A run against the copy of its output tree.
struct Comparison {
    double runSeconds;
    double copySeconds;
    double ratio;    // the median of the rounds' ratios
    double cpuRatio; // the same for the processor time
    double peakMegabytes;
};

// The template in one of two variants of the same length, which differ in the case of the
// first letter, so that every row of every file changes from one variant to the other.
void WriteTemplate(const fs::path& work, int variant) {
    std::ifstream in(GLYPHSMITH_COPYRIGHT, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (variant == 1) {
        const auto letter = std::find_if(text.begin(), text.end(),
                                         [](unsigned char c) { return std::isalpha(c) != 0; });
        *letter = static_cast<char>(*letter ^ 0x20);
    }
    std::ofstream(work / "copyright.txt", std::ios::binary) << text;
}

class ScenarioRounds {
  public:
    ScenarioRounds(const std::string& cli, const Scenario& scenario, const fs::path& work)
        : cli_(cli), scenario_(scenario), work_(work), tree_(work / scenario.outputTree) {}

    // The trees of an earlier round: the run's output in the first variant and its copy.
    void MakeEarlierTrees() {
        UseVariant(0);
        RunOnce(Run(0), work_);
        RunOnce({"cp", "-r", scenario_.outputTree, "copy"}, work_);
    }

    Measurement TimeRun(int round) {
        const int variant = scenario_.overEarlierTree ? (round + 1) % 2 : 0;
        UseVariant(variant);
        if (!scenario_.overEarlierTree) {
            fs::remove_all(tree_);
        }
        return RunOnce(Run(variant), work_);
    }

    Measurement TimeCopy() {
        if (scenario_.overEarlierTree) {
            return RunOnce({"cp", "-r", scenario_.outputTree + "/.", "copy/"}, work_);
        }
        fs::remove_all(work_ / "copy");
        return RunOnce({"cp", "-r", scenario_.outputTree, "copy"}, work_);
    }

  private:
    std::vector<std::string> Run(int variant) const {
        const bool alternate = variant == 1 && !scenario_.alternateArguments.empty();
        return CliCommand(scenario_.program == kCli ? cli_ : scenario_.program,
                          alternate ? scenario_.alternateArguments : scenario_.arguments);
    }

    // The template, and with it the input that the source run makes, in one variant.
    void UseVariant(int variant) {
        if (variant == variant_) {
            return;
        }
        WriteTemplate(work_, variant);
        if (!scenario_.source.empty()) {
            RunOnce(CliCommand(cli_, scenario_.source), work_);
        }
        variant_ = variant;
    }

    const std::string& cli_;
    const Scenario& scenario_;
    const fs::path work_;
    const fs::path tree_;
    int variant_ = -1; // none written yet
};

// Times the run and the copy in turn, several rounds, so that both meet the same load of
// a shared machine; each makes its tree afresh every time, or writes over its earlier one.
Comparison Compare(const std::string& cli, const Scenario& scenario, const fs::path& work) {
    constexpr int kRounds = 9;
    ScenarioRounds rounds(cli, scenario, work);
    if (scenario.overEarlierTree) {
        rounds.MakeEarlierTrees();
    }
    std::vector<double> run, copy, ratio, cpuRatio;
    double peak = 0;
    for (int round = 0; round < kRounds; ++round) {
        const Measurement r = rounds.TimeRun(round);
        const Measurement c = rounds.TimeCopy();
        run.push_back(r.seconds);
        copy.push_back(c.seconds);
        ratio.push_back(r.seconds / c.seconds);
        cpuRatio.push_back(r.cpuSeconds / c.cpuSeconds);
        peak = std::max(peak, r.peakMegabytes);
    }
    return {MedianOf(run), MedianOf(copy), MedianOf(ratio), MedianOf(cpuRatio), peak};
}

void Report(const Scenario& scenario, const Comparison& comparison) {
    std::printf("| %-40s | %8.1f | %8.1f | %5.2f | %9.2f | %7.1f |\n", scenario.name.c_str(),
                comparison.runSeconds * 1000, comparison.copySeconds * 1000, comparison.ratio,
                comparison.cpuRatio, comparison.peakMegabytes);
}

void PrepareInputs(const fs::path& work) {
    fs::create_directories(work);
    glyphsmith::samples::WriteSampleInputs(work.string(), "gbksong");
    for (const char* family : {"gbkhei", "gbkfs", "gbkkai", "gbkli", "gbkyou"}) {
        fs::create_directories(work / "enc" / family);
        for (int subfont = 1; subfont <= 94; ++subfont) {
            char from[32];
            char to[32];
            std::snprintf(from, sizeof from, "gbksong%02d.enc", subfont);
            std::snprintf(to, sizeof to, "%s%02d.enc", family, subfont);
            fs::copy_file(work / "enc/gbksong" / from, work / "enc" / family / to);
        }
    }
}

std::vector<Scenario> Scenarios() {
    const std::vector<std::string> gen1 = {"gen1", "--sfd", GLYPHSMITH_UGBK_SFD, "--htf", "out"};
    std::vector<std::string> gen1Song = gen1;
    gen1Song.insert(gen1Song.end(), {"--families", "song"});
    std::vector<std::string> gen1Kept = gen1;
    gen1Kept.push_back("--keep-blanks");
    const std::vector<std::string> gen2 = {"gen2", "--htf", "out"};
    std::vector<std::string> gen2Kept = gen2;
    gen2Kept.push_back("--keep-blanks");
    const std::vector<std::string> clone = {"clone", "--htf", "out",  "--from",
                                            "song",  "--to",  "fsong"};
    const std::vector<std::string> alias = {"alias", "--dir",   "al",    "--target",
                                            "song",  "--alias", "songsl"};
    std::vector<std::string> aliasOfHei = alias;
    aliasOfHei[4] = "hei";
    std::vector<std::string> gen1SongIntoSource = gen1Song;
    gen1SongIntoSource[4] = "src";
    constexpr bool kIntoEmpty = false;
    constexpr bool kOver = true;
    return {
        {"gen1, 6 families, blanks discarded", gen1, "out", {}, kIntoEmpty, {}, kCli},
        {"gen1, 6 families, blanks kept", gen1Kept, "out", {}, kIntoEmpty, {}, kCli},
        {"gen2, 6 families, blanks discarded", gen2, "out", {}, kIntoEmpty, {}, kCli},
        {"gen2, 6 families, blanks kept", gen2Kept, "out", {}, kIntoEmpty, {}, kCli},
        {"clone, 1 family", clone, "out/gbkfsong", gen1Song, kIntoEmpty, {}, kCli},
        {"alias, 1 family", alias, "al/gbksongsl", {}, kIntoEmpty, {}, kCli},
        {"over a tree: gen1, 6 families, discarded", gen1, "out", {}, kOver, {}, kCli},
        {"over a tree: gen2, 6 families, discarded", gen2, "out", {}, kOver, {}, kCli},
        {"over a tree: clone, 1 family", clone, "out/gbkfsong", gen1Song, kOver, {}, kCli},
        {"over a tree: alias, 1 family", alias, "al/gbksongsl", {}, kOver, aliasOfHei, kCli},
        // Not a run: the floor of every run over a tree, since it forms nothing. Its text is
        // a file that Generator 1 writes, made untimed in each variant.
        {"over a tree: floor, 564 files, one text",
         {"src/gbksong/gbksong01.htf", "out"},
         "out",
         gen1SongIntoSource,
         kOver,
         {},
         GLYPHSMITH_WRITE_FLOOR},
    };
}

} // namespace

int main(int argc, char* argv[]) {
    // Absolute, since each run starts in the work directory.
    const std::string cli = argc > 1 ? fs::absolute(argv[1]).string() : "glyphsmith-cli";
    // Only the runs whose name holds this text, to look at a few of them.
    const std::string only = argc > 2 ? argv[2] : "";
    const fs::path work =
        fs::temp_directory_path() / ("glyphsmith-bench-" + std::to_string(getpid()));
    PrepareInputs(work);

    std::printf("| %-40s | %8s | %8s | %5s | %9s | %7s |\n", "run", "run ms", "cp -r ms", "ratio",
                "cpu ratio", "peak MB");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(42, '-').c_str(), std::string(10, '-').c_str(),
                std::string(10, '-').c_str(), std::string(7, '-').c_str(),
                std::string(11, '-').c_str(), std::string(9, '-').c_str());
    for (const Scenario& scenario : Scenarios()) {
        if (scenario.name.find(only) == std::string::npos) {
            continue;
        }
        Report(scenario, Compare(cli, scenario, work));
        for (const char* root : kOutputRoots) {
            fs::remove_all(work / root);
        }
    }
    fs::remove_all(work);
    return 0;
}
