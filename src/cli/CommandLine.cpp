// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include "Commands.h"
#include "UnexpectedError.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace glyphsmith::cli {

namespace {

void DescribeProgram(CLI::App& program) {
    program.set_version_flag("--version", std::string("glyphsmith-cli ") + GLYPHSMITH_VERSION);
    // An option given twice takes its last value, and a flag takes no value.
    program.option_defaults()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
        ->disable_flag_override();
    program.require_subcommand(1);
    program.footer(ExitStatusHelp());
}

// The error and where to read more; the whole help would bury the error.
ExitStatus ReportUsageError(const CLI::App& program, const std::string& error, std::ostream& err) {
    const auto commands = program.get_subcommands();
    std::string name = program.get_name();
    if (!commands.empty()) {
        name += " " + commands.front()->get_name();
    }
    err << name << ": " << error << "\nRun \"" << name << " --help\" for more information.\n";
    return ExitStatus::BadArguments;
}

// CLI11 checks for the command before it looks at what is left over, so a word that is
// no command would be reported as a missing one; it is reported as itself.
std::string DescribeError(const CLI::App& program, const CLI::ParseError& error) {
    if (!program.get_subcommands().empty() ||
        dynamic_cast<const CLI::RequiredError*>(&error) == nullptr) {
        return error.what();
    }
    const std::vector<std::string> extras = program.remaining();
    return extras.empty() ? "A command is required: gen1, gen2, clone, alias or sfd"
                          : CLI::ExtrasError(extras).what();
}

ExitStatus ParseAndRun(const std::vector<std::string>& arguments, const Console& console) {
    CLI::App program("Writes TeX4ht font files (.htf) for GBK-encoded Chinese fonts, and\n"
                     "with sfd for every encoding of the CJK package.\n"
                     "The run log goes to log.txt in the working directory.",
                     "glyphsmith-cli");
    DescribeProgram(program);
    ExitStatus status = ExitStatus::Clean;
    AddGen1Command(program, console, status);
    AddGen2Command(program, console, status);
    AddCloneCommand(program, console, status);
    AddAliasCommand(program, console, status);
    AddSfdCommand(program, console, status);
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        program.parse(reversed);
    } catch (const CLI::ParseError& error) {
        // --help and --version end the parse with the exit code 0.
        if (error.get_exit_code() == 0) {
            program.exit(error, console.out, console.err);
            return ExitStatus::Clean;
        }
        return ReportUsageError(program, DescribeError(program, error), console.err);
    }
    return status;
}

} // namespace

// The last place that catches: an error that no run expects ends the program with a line
// that says so rather than with the runtime's abort.
ExitStatus RunCommandLine(const std::vector<std::string>& arguments, const Console& console) {
    ExitStatus status = ExitStatus::Unexpected;
    const std::optional<std::string> failure =
        CatchUnexpected([&] { status = ParseAndRun(arguments, console); });
    if (failure) {
        console.err << "glyphsmith-cli: " << *failure << std::endl;
        return ExitStatus::Unexpected;
    }
    return status;
}

} // namespace glyphsmith::cli
