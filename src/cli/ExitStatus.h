// SPDX-License-Identifier: MIT
#pragma once

#include "RunReporter.h"

#include <string>

namespace glyphsmith::cli {

// The exit statuses of glyphsmith-cli, the one place that spells their numbers.
enum class ExitStatus {
    Clean = 0,
    Stopped = 1,      // a warning stopped the run
    BadArguments = 2, // the command line could not be parsed
    Failures = 3,     // the run finished but logged failures or notes
    Unexpected = 4,   // an error that no run expects stopped the program
};

// The help's lines are at most this long.
inline constexpr std::size_t kHelpWidth = 80;

// The exit status of a finished run.
ExitStatus ExitStatusOf(RunOutcome outcome);

// The help's last lines, which say what each exit status means.
std::string ExitStatusHelp();

} // namespace glyphsmith::cli
