// Times whole command-line runs on the sample inputs and the CJK package's UGBK.sfd and
// compares each with copying its own output tree (cp -r), which is the least a run that
// writes those files can cost. Peak memory is the child's maximum resident set size.
#include "Cp936Samples.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
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
        std::freopen("/dev/null", "w", stdout);
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
    return {elapsed.count(), usage.ru_maxrss / 1024.0};
}

struct Scenario {
    std::string name;
    std::vector<std::string> arguments; // after the CLI's path
    std::string outputTree;             // relative to the work directory
    std::vector<std::string> prepare;   // an untimed run that makes the run's input
};

// The directories that runs write into, emptied after each scenario.
const char* const kOutputRoots[] = {"out", "al", "copy"};

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
    double ratio; // the median of the rounds' ratios
    double peakMegabytes;
};

// Times the run and the copy in turn, several rounds, so that both meet the same load of
// a shared machine; each makes its tree afresh every time.
Comparison Compare(const std::string& cli, const Scenario& scenario, const fs::path& work) {
    constexpr int kRounds = 9;
    std::vector<double> run, copy, ratio;
    double peak = 0;
    for (int round = 0; round < kRounds; ++round) {
        fs::remove_all(work / scenario.outputTree);
        const Measurement r = RunOnce(CliCommand(cli, scenario.arguments), work);
        fs::remove_all(work / "copy");
        const Measurement c = RunOnce({"cp", "-r", scenario.outputTree, "copy"}, work);
        run.push_back(r.seconds);
        copy.push_back(c.seconds);
        ratio.push_back(r.seconds / c.seconds);
        peak = std::max(peak, r.peakMegabytes);
    }
    return {MedianOf(run), MedianOf(copy), MedianOf(ratio), peak};
}

void Report(const Scenario& scenario, const Comparison& comparison) {
    std::printf("| %-40s | %8.1f | %8.1f | %5.2f | %6.1f |\n", scenario.name.c_str(),
                comparison.runSeconds * 1000, comparison.copySeconds * 1000, comparison.ratio,
                comparison.peakMegabytes);
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
    fs::copy_file(GLYPHSMITH_COPYRIGHT, work / "copyright.txt");
}

std::vector<Scenario> Scenarios() {
    const std::vector<std::string> gen1 = {"gen1", "--sfd", GLYPHSMITH_UGBK_SFD, "--htf", "out"};
    std::vector<std::string> gen1Song = gen1;
    gen1Song.insert(gen1Song.end(), {"--families", "song"});
    std::vector<std::string> gen1Kept = gen1;
    gen1Kept.push_back("--keep-blanks");
    return {
        {"gen1, 6 families, blanks discarded", gen1, "out", {}},
        {"gen1, 6 families, blanks kept", gen1Kept, "out", {}},
        {"gen2, 6 families, blanks discarded", {"gen2", "--htf", "out"}, "out", {}},
        {"gen2, 6 families, blanks kept", {"gen2", "--htf", "out", "--keep-blanks"}, "out", {}},
        {"clone, 1 family",
         {"clone", "--htf", "out", "--from", "song", "--to", "fsong"},
         "out/gbkfsong",
         gen1Song},
        {"alias, 1 family",
         {"alias", "--dir", "al", "--target", "song", "--alias", "songsl"},
         "al/gbksongsl",
         {}},
    };
}

} // namespace

int main(int argc, char* argv[]) {
    // Absolute, since each run starts in the work directory.
    const std::string cli = argc > 1 ? fs::absolute(argv[1]).string() : "glyphsmith-cli";
    const fs::path work =
        fs::temp_directory_path() / ("glyphsmith-bench-" + std::to_string(getpid()));
    PrepareInputs(work);

    std::printf("| %-40s | %8s | %8s | %5s | %6s |\n", "run", "run ms", "cp -r ms", "ratio",
                "peak MB");
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(42, '-').c_str(), std::string(10, '-').c_str(),
                std::string(10, '-').c_str(), std::string(7, '-').c_str(),
                std::string(8, '-').c_str());
    for (const Scenario& scenario : Scenarios()) {
        if (!scenario.prepare.empty()) {
            RunOnce(CliCommand(cli, scenario.prepare), work);
        }
        Report(scenario, Compare(cli, scenario, work));
        for (const char* root : kOutputRoots) {
            fs::remove_all(work / root);
        }
    }
    fs::remove_all(work);
    return 0;
}
