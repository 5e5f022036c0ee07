#include "Commands.h"

namespace glyphsmith::cli {

const std::vector<Command>& AllCommands() {
    static const std::vector<Command> commands = {Gen1Command(), Gen2Command(), CloneCommand(),
                                                  AliasCommand()};
    return commands;
}

} // namespace glyphsmith::cli
