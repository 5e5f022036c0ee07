#pragma once

#include "GenerationSettings.h"
#include "RunUi.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace glyphsmith::test {

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

// A message box as a run showed it.
struct ShownMessage {
    std::string text;
    std::string caption;
    MessageType type;

    bool operator==(const ShownMessage&) const = default;
};

// Records what a run shows; the wait cursor must be down whenever a message is shown
// at the end and when the run returns.
class RecordingUi : public RunUi {
  public:
    void MessageBox(std::string_view text, std::string_view caption, MessageType type) override {
        messages.push_back({std::string(text), std::string(caption), type});
    }
    void BeginWaitCursor() override { ++waitDepth; }
    void EndWaitCursor() override { --waitDepth; }

    std::vector<ShownMessage> messages;
    int waitDepth = 0;
};

inline ShownMessage Warning(const std::string& text) {
    return {text, "Warning!", MessageType::Exclamation};
}
inline ShownMessage Information(const std::string& text) {
    return {text, "Information", MessageType::Ok};
}

// A run's test: its own working directory, default settings and a recording window.
class RunTest : public ::testing::Test {
  protected:
    // Passes a run's outcome through, checking that the wait cursor is down again.
    RunOutcome Finished(RunOutcome outcome) {
        EXPECT_EQ(ui.waitDepth, 0);
        return outcome;
    }

    ScopedWorkDir work;
    GenerationSettings settings;
    RecordingUi ui;
};

} // namespace glyphsmith::test
