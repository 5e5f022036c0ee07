// SPDX-License-Identifier: MIT
#include "CommandOptions.h"
#include "Commands.h"
#include "ConsoleReporter.h"
#include "SfdRun.h"
#include "SfdValueKind.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace glyphsmith::cli {

namespace {

constexpr std::string_view kSubfontsHelp =
    "--subfonts takes subfont names as the file writes them (01, 4e, 0100) and ranges a-b, "
    "which run from subfont a to subfont b in the order of the file, separated by commas or "
    "blanks: --subfonts \"01-10,4e\". A name that the file does not define stops the run.";

constexpr std::string_view kRangesHelp =
    "The rows of a file run from the first to the last code of the subfont's TFM file with "
    "--tfm, of the characters that the subfont gives without it, and from 0 to 255 with "
    "--keep-blanks. A TFM file without characters (its bc is ec + 1) gives a file without "
    "rows whose first line holds its bc and ec, as does a subfont without characters, with 1 "
    "and 0. A subfont without a TFM file gets no file; the closing message begins with a line "
    "that counts the files written and the subfonts without a TFM file.";

std::string SfdFooter() {
    return Wrapped(kSfdValueKindHelp) + "\n\n" + Wrapped(kSubfontsHelp) + "\n\n" +
           Wrapped(kRangesHelp) + "\n\n" + ExitStatusHelp();
}

void AddRangeOptions(CLI::App& command, SfdRunSettings& settings) {
    CLI::Option* tfm =
        command
            .add_option_function<std::string>(
                "--tfm",
                [&settings](const std::string& directory) { settings.tfmDirectory = directory; },
                "directory of the TFM files <font><subfont>.tfm, whose code ranges the files "
                "take; a subfont without one gets no file")
            ->type_name("DIR");
    command
        .add_flag("--keep-blanks", settings.keepBlanks,
                  "write all 256 rows instead of the codes that the subfont gives characters")
        ->excludes(tfm);
}

} // namespace

void AddSfdCommand(CLI::App& program, const Console& console, ExitStatus& status) {
    CLI::App* command =
        program.add_subcommand("sfd", "Writes an .htf file for every font in LIST and\n"
                                      "every subfont of a subfont definition file of\n"
                                      "Unicode values (UGB.sfd, UBig5.sfd, UJIS.sfd,\n"
                                      "UKS.sfd, Unicode.sfd, ...), with --tfm each\n"
                                      "fitted to the TFM file of its subfont.");
    const auto settings = std::make_shared<SfdRunSettings>();
    AddRequiredName(*command, "--sfd", settings->sfdFile, "subfont definition file", "FILE");
    AddRequiredName(*command, "--fonts", settings->fontList,
                    "fonts separated by blanks, each the whole TeX font name without its "
                    "subfont part (unisong for unisong4e)",
                    "\"LIST\"");
    command
        ->add_option(
            "--htf", settings->htfDirectory,
            WithDefault("target directory of the fonts' .htf directories", kDefaultHtfDirectory))
        ->type_name("DIR");
    AddRangeOptions(*command, *settings);
    command
        ->add_option_function<std::string>(
            "--subfonts", [settings](const std::string& list) { settings->subfontList = list; },
            "only these subfonts: names and ranges a-b in the file's order, separated by "
            "commas or blanks (default every subfont of the file)")
        ->type_name("LIST");
    command->footer(SfdFooter());
    SetCommandRun(*command, console, status,
                  [settings](const RunContext& context) { return RunSfd(*settings, context); });
}

} // namespace glyphsmith::cli
