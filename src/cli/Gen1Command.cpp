#include "Commands.h"
#include "ConsoleUi.h"
#include "Generator1.h"

#include <iostream>

namespace glyphsmith::cli {

namespace {

int RunGen1(const ParsedOptions& options) {
    GenerationSettings settings;
    settings.sfdFile = options.Value("sfd", kDefaultSfdFile);
    settings.htfDirectory = options.Value("htf", kDefaultHtfDirectory);
    settings.discardBlanks = !options.Has("keep-blanks");
    ConsoleUi ui(std::cout, std::cerr);
    return ExitStatus(RunGenerator1(options.Value("families", kDefaultFontList), settings, ui));
}

} // namespace

Command Gen1Command() {
    return {
        "gen1",
        "[--sfd FILE] [--htf DIR] [--families \"LIST\"] [--keep-blanks]",
        "Generator 1: writes the 94 .htf files of every family in LIST, with the\n"
        "Unicode values of the CJK package's subfont definition file UGBK.sfd.",
        {{"sfd", "FILE", std::string("subfont definition file (default ") + kDefaultSfdFile + ")"},
         {"htf", "DIR",
          std::string("target directory of the gbk* .htf directories "
                      "(default ") +
              kDefaultHtfDirectory + ")"},
         {"families", "\"LIST\"",
          std::string("families separated by blanks, without their gbk part (default \"") +
              kDefaultFontList + "\")"},
         {"keep-blanks", "", "write all 256 rows instead of the subfont's range"}},
        RunGen1};
}

} // namespace glyphsmith::cli
