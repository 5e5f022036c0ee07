// SPDX-License-Identifier: MIT
#include "CommandOptions.h"
#include "Commands.h"
#include "ConsoleReporter.h"
#include "Generator1.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace glyphsmith::cli {

namespace {

struct Gen1Arguments {
    GenerationSettings settings;
    std::string families = kDefaultFontList;
};

} // namespace

void AddGen1Command(CLI::App& program, const Console& console, ExitStatus& status) {
    CLI::App* command =
        program.add_subcommand("gen1", "Generator 1: writes the 94 .htf files of every\n"
                                       "family in LIST, with the Unicode values of the\n"
                                       "CJK package's subfont definition file UGBK.sfd.");
    const auto arguments = std::make_shared<Gen1Arguments>();
    command
        ->add_option("--sfd", arguments->settings.sfdFile,
                     WithDefault("subfont definition file", kDefaultSfdFile))
        ->type_name("FILE");
    AddHtfOption(*command, arguments->settings, "target directory");
    command
        ->add_option("--families", arguments->families,
                     WithDefault("families separated by blanks, without their gbk part",
                                 std::string("\"") + kDefaultFontList + "\""))
        ->type_name("\"LIST\"");
    AddKeepBlanksFlag(*command, arguments->settings);
    SetCommandRun(*command, console, status, [arguments](const RunContext& context) {
        return RunGenerator1(arguments->families, arguments->settings, context);
    });
}

} // namespace glyphsmith::cli
