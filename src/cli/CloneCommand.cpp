// SPDX-License-Identifier: MIT
#include "Cloning.h"
#include "CommandOptions.h"
#include "Commands.h"
#include "ConsoleReporter.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace glyphsmith::cli {

namespace {

struct CloneArguments {
    GenerationSettings settings;
    std::string from;
    std::string to;
};

} // namespace

void AddCloneCommand(CLI::App& program, const Console& console, ExitStatus& status) {
    CLI::App* command =
        program.add_subcommand("clone", "Cloning: copies the .htf files of the family gbkF\n"
                                        "in DIR into a new family gbkT beside it, with the\n"
                                        "new font name in their first and last lines.");
    const auto arguments = std::make_shared<CloneArguments>();
    AddRequiredName(*command, "--from", arguments->from,
                    "family to copy, without \"gbk\" (song for gbksong)", "F");
    AddRequiredName(*command, "--to", arguments->to, "name of the new family, without \"gbk\"",
                    "T");
    AddHtfOption(*command, arguments->settings, "directory");
    SetCommandRun(*command, console, status, [arguments](const RunContext& context) {
        return RunCloning(arguments->from, arguments->to, arguments->settings, context);
    });
}

} // namespace glyphsmith::cli
