// SPDX-License-Identifier: MIT
#include "CommandOptions.h"

#include <CLI/CLI.hpp>

namespace glyphsmith::cli {

void SetCommandRun(CLI::App& command, const Console& console, ExitStatus& status, CommandRun run) {
    command.callback(
        [&console, &status, run = std::move(run)] { status = RunOnConsole(console, run); });
}

void AddRequiredName(CLI::App& command, const std::string& option, std::string& name,
                     const std::string& help, const std::string& typeName) {
    command.add_option(option, name, help)->type_name(typeName)->required();
}

std::string WithDefault(const std::string& help, const std::string& value) {
    return help + " (default " + value + ")";
}

std::string Wrapped(std::string_view text) {
    std::string wrapped;
    std::size_t lineLength = 0;
    std::size_t start = text.find_first_not_of(' ');
    while (start != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, end - start);
        if (lineLength > 0 && lineLength + 1 + word.size() > kHelpWidth) {
            wrapped += "\n";
            lineLength = 0;
        } else if (lineLength > 0) {
            wrapped += " ";
            ++lineLength;
        }
        wrapped += word;
        lineLength += word.size();
        start = text.find_first_not_of(' ', end);
    }
    return wrapped;
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
