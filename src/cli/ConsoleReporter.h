#pragma once

#include "RunReporter.h"

#include <functional>
#include <ostream>

namespace glyphsmith::cli {

// A run's messages as lines: information on standard output, warnings on standard error.
// A terminal shows no sign of work in progress.
class ConsoleReporter : public RunReporter {
  public:
    ConsoleReporter(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    void Report(Severity severity, std::string_view text) override;
    void WorkBegins() override {}
    void WorkEnds() override {}

  private:
    std::ostream& out_;
    std::ostream& err_;
};

// The exit status of a finished run: 0 clean, 1 stopped by a warning, 3 failures logged.
int ExitStatus(RunOutcome outcome);

// Runs a run with its messages on standard output and standard error; returns its exit status.
int RunOnConsole(const std::function<RunOutcome(RunReporter&)>& run);

} // namespace glyphsmith::cli
