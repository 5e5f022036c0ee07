#include "ConsoleUi.h"

#include <iostream>

namespace glyphsmith::cli {

void ConsoleUi::MessageBox(std::string_view text, std::string_view caption, MessageType) {
    std::ostream& stream = caption == kWarningCaption ? err_ : out_;
    stream << text;
    if (text.empty() || text.back() != '\n') {
        stream << '\n';
    }
    stream.flush();
}

int ExitStatus(RunOutcome outcome) {
    switch (outcome) {
    case RunOutcome::Completed:
    case RunOutcome::Cancelled:
        return 0;
    case RunOutcome::Stopped:
        return 1;
    case RunOutcome::CompletedWithFailures:
        return 3;
    }
    return 1;
}

int RunOnConsole(const std::function<RunOutcome(RunUi&)>& run) {
    ConsoleUi ui(std::cout, std::cerr);
    return ExitStatus(run(ui));
}

} // namespace glyphsmith::cli
