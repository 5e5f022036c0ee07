// SPDX-License-Identifier: MIT
#pragma once

#include "ExitStatus.h"
#include "RunContext.h"

#include <functional>
#include <ostream>
#include <string>

namespace glyphsmith::cli {

// A run's messages as lines: information on the output stream, warnings on the error
// stream. A terminal shows no sign of work in progress.
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

// Where the command line writes, and the directory of the runs' log and template.
struct Console {
    std::ostream& out;
    std::ostream& err;
    std::string workingDirectory;
};

// Runs a run with its messages on the console's streams; returns its exit status.
ExitStatus RunOnConsole(const Console& console,
                        const std::function<RunOutcome(const RunContext&)>& run);

} // namespace glyphsmith::cli
