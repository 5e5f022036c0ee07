// SPDX-License-Identifier: MIT
#pragma once

#include "ConsoleReporter.h"
#include "GenerationSettings.h"

#include <functional>
#include <string>
#include <string_view>

namespace CLI {
class App;
}

namespace glyphsmith::cli {

// A run as its command starts it, with the arguments that the command took.
using CommandRun = std::function<RunOutcome(const RunContext&)>;

// Makes `run` the command's work: it runs on the console once the command line that names
// the command is parsed, and leaves its exit status in `status`.
void SetCommandRun(CLI::App& command, const Console& console, ExitStatus& status, CommandRun run);

// A name option that the command requires: "--from F".
void AddRequiredName(CLI::App& command, const std::string& option, std::string& name,
                     const std::string& help, const std::string& typeName);

// A help text that names the option's default: "help (default value)".
std::string WithDefault(const std::string& help, const std::string& value);

// A paragraph of help text, broken between words into lines of the help's width.
std::string Wrapped(std::string_view text);

// --htf DIR, the directory of the gbk* .htf directories, for the runs that read or
// write them; `role` says which ("target directory" for the generators).
void AddHtfOption(CLI::App& command, GenerationSettings& settings, const std::string& role);

// --keep-blanks, which turns off the discarding of blank rows in the generators.
void AddKeepBlanksFlag(CLI::App& command, GenerationSettings& settings);

} // namespace glyphsmith::cli
