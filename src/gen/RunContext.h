// SPDX-License-Identifier: MIT
#pragma once

#include "CalendarDate.h"
#include "RunReporter.h"

#include <string>

namespace glyphsmith {

// What the program that starts a run gives it.
struct RunContext {
    RunReporter& reporter;
    // The directory of log.txt and copyright.txt, which each program's main resolves once.
    // The paths of the settings stay as the user gave them, relative or not.
    std::string workingDirectory;
    // Where the generators take the dates of their dated comments from.
    Clock clock = LocalToday;
};

} // namespace glyphsmith
