#include "Alias.h"

#include "FamilyPaths.h"
#include "Files.h"
#include "FontName.h"
#include "Paths.h"
#include "SubfontSeries.h"

namespace glyphsmith {

namespace {

// The CSS declarations of the "htfcss:" line, each with its leading blank.
std::string Declarations(const GenerationSettings& settings) {
    std::string declarations;
    if (!settings.fontFamily.empty()) {
        declarations += " font-family: " + settings.fontFamily + ";";
    }
    if (settings.bold) {
        declarations += " font-weight: bold;";
    }
    if (settings.italic) {
        declarations += " font-style: italic;";
    }
    if (!settings.otherStyle.empty()) {
        declarations += " " + settings.otherStyle + ";";
    }
    return declarations;
}

void WriteAliasFile(const std::string& targetFont, const std::string& aliasFont, int subfont,
                    const GenerationSettings& settings, RunLog& log) {
    const std::string path =
        FontName::OfGbkFamily(aliasFont).PathIn(settings.aliasDirectory, subfont);
    OutputFile out(path);
    if (!out.IsOpen()) {
        LogFileFailure(log, "Failed to create the alias .htf file", path, subfont);
        return;
    }
    out.Stream() << AliasFileText(targetFont, aliasFont, subfont, settings);
    if (!out.Commit()) {
        LogFileFailure(log, "Failed to write the alias .htf file", path, subfont);
    }
}

} // namespace

bool ApplySlRule(std::string_view aliasFont, GenerationSettings& settings) {
    if (aliasFont.size() <= 2 || !aliasFont.ends_with("sl")) {
        return false;
    }
    settings.italic = true;
    return true;
}

std::string AliasFileText(const std::string& targetFont, const std::string& aliasFont, int subfont,
                          const GenerationSettings& settings) {
    std::string text = ".";
    text.append(FontName::OfGbkFamily(targetFont).Subfont(subfont)).append("\n");
    // "Other:" alone asks for no line: it only adds to one that something else asks for.
    if (settings.bold || settings.italic || !settings.fontFamily.empty()) {
        text.append("htfcss: ")
            .append(FontName::OfGbkFamily(aliasFont).Subfont(subfont))
            .append(Declarations(settings))
            .append("\n\n");
    }
    return text;
}

RunOutcome RunAlias(const std::string& targetFont, const std::string& aliasFont,
                    const GenerationSettings& settings, const RunContext& context) {
    // The target name only goes into the files, never into a path.
    if (WarnIfAnyNameLeavesDirectory(context.reporter, {&aliasFont})) {
        return RunOutcome::Stopped;
    }
    return RunSubfontSeries(
        context, FontName::OfGbkFamily(aliasFont).DirectoryIn(settings.aliasDirectory),
        {"\n\n", kAllAliasCreatedText, kSomeAliasFailedText}, [&](RunLog& log, int subfont) {
            WriteAliasFile(targetFont, aliasFont, subfont, settings, log);
        });
}

} // namespace glyphsmith
