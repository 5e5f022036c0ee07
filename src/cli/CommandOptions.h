#pragma once

#include "GenerationSettings.h"

#include <string>

namespace CLI {
class App;
}

namespace glyphsmith::cli {

// A help text that names the option's default: "help (default value)".
std::string WithDefault(const std::string& help, const std::string& value);

// --htf DIR, the directory of the gbk* .htf directories, for the runs that read or
// write them; `role` says which ("target directory" for the generators).
void AddHtfOption(CLI::App& command, GenerationSettings& settings, const std::string& role);

// --keep-blanks, which turns off the discarding of blank rows in the generators.
void AddKeepBlanksFlag(CLI::App& command, GenerationSettings& settings);

} // namespace glyphsmith::cli
