// glyphsmith-cli: the runs of Glyphsmith for scripts and batch use. "log.txt" and
// "copyright.txt" are those of the working directory, as in the window program.
#include "Commands.h"

#include <algorithm>
#include <iostream>

namespace {

constexpr int kBadArguments = 2;

void PrintOverview(std::ostream& out) {
    out << "usage: glyphsmith-cli COMMAND [OPTIONS]\n"
           "       glyphsmith-cli COMMAND --help\n\n"
           "Writes TeX4ht font files (.htf) for GBK-encoded Chinese fonts.\n"
           "The run log goes to log.txt in the working directory.\n\ncommands:\n";
    for (const auto& command : glyphsmith::cli::AllCommands()) {
        std::string name = command.name;
        name.resize(7, ' ');
        out << "  " << name << command.usage << "\n";
    }
    out << "\nexit status: 0 clean run, 1 a warning stopped the run, 2 bad arguments,\n"
           "3 the run finished but logged failures or notes\n";
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace glyphsmith::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        PrintOverview(args.empty() ? std::cerr : std::cout);
        return args.empty() ? kBadArguments : 0;
    }
    const auto& commands = AllCommands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const Command& c) { return c.name == args[0]; });
    if (command == commands.end()) {
        std::cerr << "glyphsmith-cli: unknown command \"" << args[0] << "\"\n";
        PrintOverview(std::cerr);
        return kBadArguments;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
        std::cout << HelpOf(*command);
        return 0;
    }
    try {
        return command->run(ParsedOptions(command->options, rest));
    } catch (const UsageError& error) {
        std::cerr << "glyphsmith-cli " << command->name << ": " << error.what() << "\n"
                  << HelpOf(*command);
        return kBadArguments;
    }
}
