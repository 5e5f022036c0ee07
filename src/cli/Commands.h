// SPDX-License-Identifier: MIT
#pragma once

#include "ConsoleReporter.h"

namespace CLI {
class App;
}

namespace glyphsmith::cli {

// Each run is a sub-command of the program. The one that the command line names runs
// while the line is parsed and leaves its exit status in `status`.
void AddGen1Command(CLI::App& program, const Console& console, ExitStatus& status);
void AddGen2Command(CLI::App& program, const Console& console, ExitStatus& status);
void AddCloneCommand(CLI::App& program, const Console& console, ExitStatus& status);
void AddAliasCommand(CLI::App& program, const Console& console, ExitStatus& status);
void AddSfdCommand(CLI::App& program, const Console& console, ExitStatus& status);

} // namespace glyphsmith::cli
