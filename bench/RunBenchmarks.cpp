// Times whole command-line runs on the sample inputs and compares each with copying its
// own output tree (cp -r), which is the least a run that writes those files can cost.
// Peak memory is the child's maximum resident set size.
#include "Cp936Samples.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
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

// The median of several runs, with the largest peak memory seen.
Measurement Median(
    const std::vector<std::string>& command, const fs::path& directory,
    const std::function<void()>& before = [] {}) {
    constexpr int kRuns = 7;
    std::vector<double> seconds;
    double peak = 0;
    for (int i = 0; i < kRuns; ++i) {
        before();
        const Measurement m = RunOnce(command, directory);
        seconds.push_back(m.seconds);
        peak = std::max(peak, m.peakMegabytes);
    }
    std::sort(seconds.begin(), seconds.end());
    return {seconds[kRuns / 2], peak};
}

struct Scenario {
    std::string name;
    std::vector<std::string> arguments; // after the CLI's path
    std::string outputTree;             // relative to the work directory
};

void Report(const Scenario& scenario, const Measurement& run, const Measurement& copy) {
    std::printf("| %-40s | %8.1f | %8.1f | %5.2f | %6.1f |\n", scenario.name.c_str(),
                run.seconds * 1000, copy.seconds * 1000, run.seconds / copy.seconds,
                run.peakMegabytes);
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

} // namespace

int main(int argc, char* argv[]) {
    const std::string cli = argc > 1 ? argv[1] : "glyphsmith-cli";
    const fs::path work =
        fs::temp_directory_path() / ("glyphsmith-bench-" + std::to_string(getpid()));
    PrepareInputs(work);

    const std::vector<Scenario> scenarios = {
        {"gen2, 6 families, blanks discarded", {"gen2", "--htf", "out"}, "out"},
        {"gen2, 6 families, blanks kept", {"gen2", "--htf", "out", "--keep-blanks"}, "out"},
    };
    std::printf("| %-40s | %8s | %8s | %5s | %6s |\n", "run", "run ms", "cp -r ms", "ratio",
                "peak MB");
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(42, '-').c_str(), std::string(10, '-').c_str(),
                std::string(10, '-').c_str(), std::string(7, '-').c_str(),
                std::string(8, '-').c_str());
    for (const Scenario& scenario : scenarios) {
        std::vector<std::string> command = {cli};
        command.insert(command.end(), scenario.arguments.begin(), scenario.arguments.end());
        const Measurement run = Median(command, work);
        const Measurement copy = Median({"cp", "-r", scenario.outputTree, "copy"}, work,
                                        [&] { fs::remove_all(work / "copy"); });
        Report(scenario, run, copy);
        fs::remove_all(work / scenario.outputTree);
        fs::remove_all(work / "copy");
    }
    fs::remove_all(work);
    return 0;
}
