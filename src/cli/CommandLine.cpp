#include "CommandLine.h"

#include "Commands.h"

#include <CLI/CLI.hpp>
#include <ostream>

namespace glyphsmith::cli {

namespace {

constexpr int kBadArguments = 2;

void DescribeProgram(CLI::App& program) {
    program.set_version_flag("--version", std::string("glyphsmith-cli ") + GLYPHSMITH_VERSION);
    // An option given twice takes its last value, and a flag takes no value.
    program.option_defaults()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
        ->disable_flag_override();
    program.footer("exit status: 0 clean run, 1 a warning stopped the run, 2 bad arguments,\n"
                   "3 the run finished but logged failures or notes");
}

// The error and where to read more; the whole help would bury the error.
int ReportUsageError(const CLI::App& program, const std::string& error, std::ostream& err) {
    const auto commands = program.get_subcommands();
    std::string name = program.get_name();
    if (!commands.empty()) {
        name += " " + commands.front()->get_name();
    }
    err << name << ": " << error << "\nRun \"" << name << " --help\" for more information.\n";
    return kBadArguments;
}

} // namespace

int RunCommandLine(int argc, char** argv, const Console& console) {
    CLI::App program("Writes TeX4ht font files (.htf) for GBK-encoded Chinese fonts.\n"
                     "The run log goes to log.txt in the working directory.",
                     "glyphsmith-cli");
    DescribeProgram(program);
    int status = 0;
    AddGen1Command(program, console, status);
    AddGen2Command(program, console, status);
    AddCloneCommand(program, console, status);
    AddAliasCommand(program, console, status);
    try {
        program.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // --help and --version end the parse with the exit code 0.
        return error.get_exit_code() == 0 ? program.exit(error, console.out, console.err)
                                          : ReportUsageError(program, error.what(), console.err);
    }
    if (program.get_subcommands().empty()) {
        return ReportUsageError(program, "A command is required: gen1, gen2, clone or alias",
                                console.err);
    }
    return status;
}

} // namespace glyphsmith::cli
