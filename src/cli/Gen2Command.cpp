// SPDX-License-Identifier: MIT
#include "CommandOptions.h"
#include "Commands.h"
#include "ConsoleReporter.h"
#include "Generator2.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace glyphsmith::cli {

void AddGen2Command(CLI::App& program, const Console& console, ExitStatus& status) {
    CLI::App* command =
        program.add_subcommand("gen2", "Generator 2: writes the .htf files of every gbk*\n"
                                       "family of .enc files in DIR, with the Unicode\n"
                                       "values of a Microsoft code page 936 table.");
    const auto settings = std::make_shared<GenerationSettings>();
    command
        ->add_option("--codepage", settings->codePageFile,
                     WithDefault("code page 936 table", kDefaultCodePageFile))
        ->type_name("FILE");
    command
        ->add_option(
            "--enc", settings->encDirectory,
            WithDefault("directory of the gbk* directories of .enc files", kDefaultEncDirectory))
        ->type_name("DIR");
    AddHtfOption(*command, *settings, "target directory");
    AddKeepBlanksFlag(*command, *settings);
    SetCommandRun(*command, console, status, [settings](const RunContext& context) {
        return RunGenerator2(*settings, context);
    });
}

} // namespace glyphsmith::cli
