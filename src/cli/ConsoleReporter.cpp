// SPDX-License-Identifier: MIT
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

ExitStatus RunOnConsole(const Console& console,
                        const std::function<RunOutcome(const RunContext&)>& run) {
    ConsoleReporter reporter(console.out, console.err);
    return ExitStatusOf(run({reporter, console.workingDirectory}));
}

} // namespace glyphsmith::cli
