#pragma once

#include "GenerationSettings.h"
#include "Paths.h"
#include "RunContext.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace glyphsmith::test {

// The day that every run of a test writes into its dated comments.
inline constexpr CalendarDate kDate{2005, 5, 18};

// A fresh temporary directory that is the working directory for the test's lifetime,
// since runs keep "log.txt" and "copyright.txt" there.
class ScopedWorkDir {
  public:
    ScopedWorkDir();
    ~ScopedWorkDir();
    ScopedWorkDir(const ScopedWorkDir&) = delete;
    ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

void WriteFile(const std::filesystem::path& path, const std::string& content);

// A file's text with the platform's line ends (CR LF on Windows) read as "\n", so that
// expected texts are written once for every platform.
std::string ReadFile(const std::filesystem::path& path);

// A path written with "/" as the program forms it on this platform.
std::string Native(std::string path);

// A code page 936 table in which the j-th code of the GBK sequence has the value
// U+4E00 + j, cut after the first `codes` of them.
std::string CodePageText(int codes = 126 * 190);

// A message as a run reported it.
struct ReportedMessage {
    Severity severity;
    std::string text;

    bool operator==(const ReportedMessage&) const = default;
};
void PrintTo(const ReportedMessage& message, std::ostream* out);

// Records what a run reports; its work must have ended whenever it reports at the end and
// when it returns.
class RecordingReporter : public RunReporter {
  public:
    void Report(Severity severity, std::string_view text) override {
        messages.push_back({severity, std::string(text)});
    }
    void WorkBegins() override { ++workDepth; }
    void WorkEnds() override { --workDepth; }

    std::vector<ReportedMessage> messages;
    int workDepth = 0;
};

inline ReportedMessage Warning(const std::string& text) {
    return {Severity::Warning, text};
}
inline ReportedMessage Information(const std::string& text) {
    return {Severity::Information, text};
}

// A run's test: its own working directory, default settings, a recording reporter and
// the fixed date.
class RunTest : public ::testing::Test {
  protected:
    // Passes a run's outcome through, checking that its work has ended.
    RunOutcome Finished(RunOutcome outcome) {
        EXPECT_EQ(reporter.workDepth, 0);
        return outcome;
    }

    ScopedWorkDir work;
    GenerationSettings settings;
    RecordingReporter reporter;
    RunContext context{reporter, Utf8(work.Path()), [] { return kDate; }};
};

} // namespace glyphsmith::test
