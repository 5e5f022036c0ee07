// SPDX-License-Identifier: MIT
#include "ExitStatus.h"

#include <iterator>
#include <string_view>

namespace glyphsmith::cli {

namespace {

struct Meaning {
    ExitStatus status;
    std::string_view text;
};

constexpr Meaning kMeanings[] = {
    {ExitStatus::Clean, "clean run"},
    {ExitStatus::Stopped, "a warning stopped the run"},
    {ExitStatus::BadArguments, "bad arguments"},
    {ExitStatus::Failures, "the run finished but logged failures or notes"},
    {ExitStatus::Unexpected, "an unexpected error stopped the run"},
};

} // namespace

ExitStatus ExitStatusOf(RunOutcome outcome) {
    switch (outcome) {
    case RunOutcome::Completed:
        return ExitStatus::Clean;
    case RunOutcome::Stopped:
        return ExitStatus::Stopped;
    case RunOutcome::CompletedWithFailures:
        return ExitStatus::Failures;
    }
    return ExitStatus::Stopped;
}

std::string ExitStatusHelp() {
    std::string help = "exit status:";
    std::size_t lineLength = help.size();
    for (const Meaning& meaning : kMeanings) {
        const bool last = &meaning == &kMeanings[std::size(kMeanings) - 1];
        const std::string item = std::to_string(static_cast<int>(meaning.status)) + " " +
                                 std::string(meaning.text) + (last ? "" : ",");
        if (lineLength + 1 + item.size() > kHelpWidth) {
            help += "\n" + item;
            lineLength = item.size();
        } else {
            help += " " + item;
            lineLength += 1 + item.size();
        }
    }
    return help;
}

} // namespace glyphsmith::cli
