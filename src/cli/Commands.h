#pragma once

#include "CommandLine.h"

#include <vector>

namespace glyphsmith::cli {

// Every sub-command, in the order that the help lists them.
const std::vector<Command>& AllCommands();

Command AliasCommand();
Command CloneCommand();
Command Gen1Command();
Command Gen2Command();

} // namespace glyphsmith::cli
