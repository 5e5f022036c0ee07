#include "Commands.h"
#include "ConsoleUi.h"
#include "Generator2.h"

#include <iostream>

namespace glyphsmith::cli {

namespace {

int RunGen2(const ParsedOptions& options) {
    GenerationSettings settings;
    settings.codePageFile = options.Value("codepage", kDefaultCodePageFile);
    settings.encDirectory = options.Value("enc", kDefaultEncDirectory);
    settings.htfDirectory = options.Value("htf", kDefaultHtfDirectory);
    settings.discardBlanks = !options.Has("keep-blanks");
    ConsoleUi ui(std::cout, std::cerr);
    return ExitStatus(RunGenerator2(settings, ui));
}

} // namespace

Command Gen2Command() {
    return {"gen2",
            "[--codepage FILE] [--enc DIR] [--htf DIR] [--keep-blanks]",
            "Generator 2: writes the .htf files of every gbk* family of .enc files in DIR,\n"
            "with the Unicode values of a Microsoft code page 936 table.",
            {{"codepage", "FILE",
              std::string("code page 936 table (default ") + kDefaultCodePageFile + ")"},
             {"enc", "DIR",
              std::string("directory of the gbk* directories of .enc files "
                          "(default ") +
                  kDefaultEncDirectory + ")"},
             {"htf", "DIR",
              std::string("target directory of the gbk* .htf directories "
                          "(default ") +
                  kDefaultHtfDirectory + ")"},
             {"keep-blanks", "", "write all 256 rows instead of the subfont's range"}},
            RunGen2};
}

} // namespace glyphsmith::cli
