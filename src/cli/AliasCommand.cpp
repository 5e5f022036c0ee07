// SPDX-License-Identifier: MIT
#include "Alias.h"
#include "CommandOptions.h"
#include "Commands.h"
#include "ConsoleReporter.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace glyphsmith::cli {

namespace {

struct AliasArguments {
    GenerationSettings settings;
    std::string target;
    std::string alias;
};

void AddStyleOptions(CLI::App& command, GenerationSettings& settings) {
    command.add_flag("--bold", settings.bold, "add font-weight: bold");
    command.add_flag("--italic", settings.italic, "add font-style: italic");
    command
        .add_option("--font-family", settings.fontFamily,
                    "add font-family: TEXT (written as given)")
        ->type_name("TEXT");
    command
        .add_option("--other", settings.otherStyle,
                    "add TEXT and a semicolon, when bold, italic or a font family is set")
        ->type_name("TEXT");
}

} // namespace

void AddAliasCommand(CLI::App& program, const Console& console, ExitStatus& status) {
    CLI::App* command =
        program.add_subcommand("alias", "Alias: writes the .htf files of a family gbkS in\n"
                                        "DIR that point to the family gbkG and give it CSS\n"
                                        "font properties. A name S ending in \"sl\" turns\n"
                                        "on --italic.");
    const auto arguments = std::make_shared<AliasArguments>();
    AddRequiredName(*command, "--target", arguments->target,
                    "existing family the alias stands for, without \"gbk\"", "G");
    AddRequiredName(*command, "--alias", arguments->alias,
                    "name of the alias family, without \"gbk\"", "S");
    command
        ->add_option("--dir", arguments->settings.aliasDirectory,
                     WithDefault("directory of the alias gbk* directories", kDefaultAliasDirectory))
        ->type_name("DIR");
    AddStyleOptions(*command, arguments->settings);
    SetCommandRun(*command, console, status, [arguments](const RunContext& context) {
        ApplySlRule(arguments->alias, arguments->settings);
        return RunAlias(arguments->target, arguments->alias, arguments->settings, context);
    });
}

} // namespace glyphsmith::cli
