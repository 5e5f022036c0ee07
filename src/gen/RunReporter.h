// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace glyphsmith {

// How much a run's message weighs: news of its end, or something the user must act on.
enum class Severity { Information, Warning };

// What a run tells the program that started it: its messages, and when its work begins and
// ends. Each front end decides how they look: the window as message boxes and its wait
// cursor, the command line as lines on its output streams.
class RunReporter {
  public:
    virtual ~RunReporter() = default;
    virtual void Report(Severity severity, std::string_view text) = 0;
    virtual void WorkBegins() = 0;
    virtual void WorkEnds() = 0;

    void Warn(std::string_view text) { Report(Severity::Warning, text); }
    void Inform(std::string_view text) { Report(Severity::Information, text); }
};

// How a run ended, for callers that report it (the command line's exit status).
enum class RunOutcome {
    Stopped,               // a warning stopped the run
    Completed,             // the run finished and its log holds progress lines only
    CompletedWithFailures, // the run finished but logged failures or notes
};

} // namespace glyphsmith
