// SPDX-License-Identifier: MIT
#pragma once

#include "ConsoleReporter.h"
#include "ExitStatus.h"

#include <string>
#include <vector>

namespace glyphsmith::cli {

// Parses the arguments that follow the program's name and runs the command that they
// name, writing help, errors and the run's messages to the console.
ExitStatus RunCommandLine(const std::vector<std::string>& arguments, const Console& console);

} // namespace glyphsmith::cli
