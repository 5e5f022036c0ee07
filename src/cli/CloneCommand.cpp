#include "Cloning.h"
#include "Commands.h"
#include "ConsoleUi.h"

#include <iostream>

namespace glyphsmith::cli {

namespace {

int RunClone(const ParsedOptions& options) {
    GenerationSettings settings;
    settings.htfDirectory = options.Value("htf", kDefaultHtfDirectory);
    ConsoleUi ui(std::cout, std::cerr);
    return ExitStatus(RunCloning(options.Required("from"), options.Required("to"), settings, ui));
}

} // namespace

Command CloneCommand() {
    return {"clone",
            "--from F --to T [--htf DIR]",
            "Cloning: copies the .htf files of the family gbkF in DIR into a new family gbkT\n"
            "beside it, with the new font name in their first and last lines.",
            {{"from", "F", "family to copy, without \"gbk\" (song for gbksong)"},
             {"to", "T", "name of the new family, without \"gbk\""},
             {"htf", "DIR",
              std::string("directory of the gbk* .htf directories (default ") +
                  kDefaultHtfDirectory + ")"}},
            RunClone};
}

} // namespace glyphsmith::cli
