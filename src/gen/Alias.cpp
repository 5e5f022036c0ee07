// SPDX-License-Identifier: MIT
#include "Alias.h"

#include "FontName.h"
#include "RunFrame.h"
#include "SubfontRangeTable.h"

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

} // namespace

bool ApplySlRule(std::string_view aliasFamily, GenerationSettings& settings) {
    if (aliasFamily.size() <= 2 || !aliasFamily.ends_with("sl")) {
        return false;
    }
    settings.italic = true;
    return true;
}

std::string AliasFileText(const std::string& targetFamily, const std::string& aliasFamily,
                          int subfont, const GenerationSettings& settings) {
    std::string text = ".";
    text.append(FontName::OfGbkFamily(targetFamily).Subfont(subfont)).append("\n");
    // "Other:" alone asks for no line: it only adds to one that something else asks for.
    if (settings.bold || settings.italic || !settings.fontFamily.empty()) {
        text.append("htfcss: ")
            .append(FontName::OfGbkFamily(aliasFamily).Subfont(subfont))
            .append(Declarations(settings))
            .append("\n\n");
    }
    return text;
}

RunOutcome RunAlias(const std::string& targetFamily, const std::string& aliasFamily,
                    const GenerationSettings& settings, const RunContext& context) {
    RunFrame run(context);
    const FontName alias = FontName::OfGbkFamily(aliasFamily);
    const std::string directory = alias.DirectoryIn(settings.aliasDirectory);
    // The target name only goes into the files, never into a path.
    if (!run.RequireNamesInDirectory({&aliasFamily}) ||
        !run.StartSeries(directory, DirectoryFailedText(directory, "\n\n"), {&aliasFamily})) {
        return RunOutcome::Stopped;
    }
    for (int subfont = 1; subfont <= kSubfontCount; ++subfont) {
        run.WriteFile(alias.PathIn(settings.aliasDirectory, subfont), PlaceOfSubfont(subfont),
                      kAliasFiles, [&](std::ostream& out) {
                          out << AliasFileText(targetFamily, aliasFamily, subfont, settings);
                      });
    }
    return run.Finish(kAliasClosingTexts);
}

} // namespace glyphsmith
