#pragma once

#include "RunContext.h"

#include <functional>
#include <ostream>
#include <string>

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

// Where the command line's runs report, and the directory of their log and template.
struct Console {
    std::ostream& out;
    std::ostream& err;
    std::string workingDirectory;
};

// Runs a run with its messages on the console's streams; returns its exit status.
int RunOnConsole(const Console& console, const std::function<RunOutcome(const RunContext&)>& run);

} // namespace glyphsmith::cli
