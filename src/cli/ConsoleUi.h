#pragma once

#include "RunUi.h"

#include <functional>
#include <ostream>

namespace glyphsmith::cli {

// Message boxes as lines: information on standard output, warnings on standard error.
// There is no wait cursor on a terminal.
class ConsoleUi : public RunUi {
  public:
    ConsoleUi(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    void MessageBox(std::string_view text, std::string_view caption, MessageType type) override;
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

  private:
    std::ostream& out_;
    std::ostream& err_;
};

// The exit status of a finished run: 0 clean, 1 stopped by a warning, 3 failures logged.
int ExitStatus(RunOutcome outcome);

// Runs a run with its messages on standard output and standard error; returns its exit status.
int RunOnConsole(const std::function<RunOutcome(RunUi&)>& run);

} // namespace glyphsmith::cli
