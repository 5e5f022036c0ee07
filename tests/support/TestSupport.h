// SPDX-License-Identifier: MIT
#pragma once

#include "Alias.h"
#include "Cloning.h"
#include "GenerationSettings.h"
#include "Generator1.h"
#include "Generator2.h"
#include "HtfWriter.h"
#include "Paths.h"
#include "RunContext.h"
#include "SampleFiles.h"
#include "SfdRun.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace glyphsmith {

// A reference as its text in the messages of failed assertions.
inline void PrintTo(const CharacterReference& reference, std::ostream* out) {
    *out << (reference ? reference.Text() : "no reference");
}

} // namespace glyphsmith

namespace glyphsmith::test {

namespace fs = std::filesystem;

// The day that every run of a test writes into its dated comments.
inline constexpr CalendarDate kDate{2005, 5, 18};

inline constexpr const char* kAllCreated = "All .htf files have been created!";
inline constexpr const char* kSomeFailed =
    "Some .htf files could not be created; see log.txt for details.";
inline constexpr const char* kAllAliasCreated = "All alias .htf files have been created!";
inline constexpr const char* kSomeAliasFailed =
    "Some alias .htf files could not be created; see log.txt for details.";

// A fresh temporary directory that is the working directory for the test's lifetime, so
// that the relative paths of a run's settings stay inside it.
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

// The unit `times` times over.
std::string Repeated(const std::string& unit, int times);

// A path written with "/" as the program forms it on this platform.
std::string Native(std::string path);

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

// A run's test: its own working directory with an empty template, default settings, a
// recording reporter and the fixed date. Each run checks that its work has ended when it
// returns.
class RunTest : public ::testing::Test {
  protected:
    RunTest() { WriteFile("copyright.txt", ""); }

    RunOutcome Gen1(const std::string& fontList = "song") {
        return Finished(RunGenerator1(fontList, settings, context));
    }
    RunOutcome Gen2() { return Finished(RunGenerator2(settings, context)); }
    RunOutcome Clone(const std::string& from = "song", const std::string& to = "fsong") {
        return Finished(RunCloning(from, to, settings, context));
    }
    RunOutcome Alias(const std::string& target = "song", const std::string& alias = "x") {
        return Finished(RunAlias(target, alias, settings, context));
    }
    RunOutcome Sfd(const SfdRunSettings& sfdSettings) {
        return Finished(RunSfd(sfdSettings, context));
    }

    ScopedWorkDir work;
    GenerationSettings settings;
    RecordingReporter reporter;
    RunContext context{reporter, Utf8(work.Path()), [] { return kDate; }};

  private:
    RunOutcome Finished(RunOutcome outcome) {
        EXPECT_EQ(reporter.workDepth, 0);
        return outcome;
    }
};

} // namespace glyphsmith::test
