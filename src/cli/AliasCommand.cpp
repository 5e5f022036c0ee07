#include "Alias.h"
#include "Commands.h"
#include "ConsoleUi.h"

#include <iostream>

namespace glyphsmith::cli {

namespace {

int RunAliasCommand(const ParsedOptions& options) {
    GenerationSettings settings;
    settings.aliasDirectory = options.Value("dir", kDefaultAliasDirectory);
    settings.bold = options.Has("bold");
    settings.italic = options.Has("italic");
    settings.fontFamily = options.Value("font-family", "");
    settings.otherStyle = options.Value("other", "");
    const std::string aliasFont = options.Required("alias");
    ApplySlRule(aliasFont, settings);
    ConsoleUi ui(std::cout, std::cerr);
    return ExitStatus(RunAlias(options.Required("target"), aliasFont, settings, ui));
}

} // namespace

Command AliasCommand() {
    return {"alias",
            "--target G --alias S [--dir DIR] [--bold] [--italic] [--font-family TEXT] "
            "[--other TEXT]",
            "Alias: writes the .htf files of a family gbkS in DIR that point to the family\n"
            "gbkG and give it CSS font properties. A name S ending in \"sl\" turns on --italic.",
            {{"target", "G", "existing family the alias stands for, without \"gbk\""},
             {"alias", "S", "name of the alias family, without \"gbk\""},
             {"dir", "DIR",
              std::string("directory of the alias gbk* directories (default ") +
                  kDefaultAliasDirectory + ")"},
             {"bold", "", "add font-weight: bold"},
             {"italic", "", "add font-style: italic"},
             {"font-family", "TEXT", "add font-family: TEXT (written as given)"},
             {"other", "TEXT",
              "add TEXT and a semicolon, when bold, italic or a font family "
              "is set"}},
            RunAliasCommand};
}

} // namespace glyphsmith::cli
