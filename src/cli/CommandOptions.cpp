#include "CommandOptions.h"

#include <CLI/CLI.hpp>

namespace glyphsmith::cli {

std::string WithDefault(const std::string& help, const std::string& value) {
    return help + " (default " + value + ")";
}

void AddHtfOption(CLI::App& command, GenerationSettings& settings, const std::string& role) {
    command
        .add_option("--htf", settings.htfDirectory,
                    WithDefault(role + " of the gbk* .htf directories", kDefaultHtfDirectory))
        ->type_name("DIR");
}

void AddKeepBlanksFlag(CLI::App& command, GenerationSettings& settings) {
    command.add_flag_callback(
        "--keep-blanks", [&settings] { settings.discardBlanks = false; },
        "write all 256 rows instead of the subfont's range");
}

} // namespace glyphsmith::cli
