#pragma once

#include "ConsoleReporter.h"

namespace glyphsmith::cli {

// Parses the command line and runs the command that it names. Returns the exit status:
// 0 a clean run (or help asked for), 1 a warning stopped the run, 2 bad arguments,
// 3 the run finished but logged failures or notes.
int RunCommandLine(int argc, char** argv, const Console& console);

} // namespace glyphsmith::cli
