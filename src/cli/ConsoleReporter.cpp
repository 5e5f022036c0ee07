#include "ConsoleReporter.h"

namespace glyphsmith::cli {

void ConsoleReporter::Report(Severity severity, std::string_view text) {
    std::ostream& stream = severity == Severity::Warning ? err_ : out_;
    stream << text;
    if (text.empty() || text.back() != '\n') {
        stream << '\n';
    }
    stream.flush();
}

int ExitStatus(RunOutcome outcome) {
    switch (outcome) {
    case RunOutcome::Completed:
        return 0;
    case RunOutcome::Stopped:
        return 1;
    case RunOutcome::CompletedWithFailures:
        return 3;
    }
    return 1;
}

int RunOnConsole(const Console& console, const std::function<RunOutcome(const RunContext&)>& run) {
    ConsoleReporter reporter(console.out, console.err);
    return ExitStatus(run({reporter, console.workingDirectory}));
}

} // namespace glyphsmith::cli
