// SPDX-License-Identifier: MIT
#include "Generator1.h"

#include "Files.h"
#include "FontName.h"
#include "HtfWriter.h"
#include "InputShortage.h"
#include "Paths.h"
#include "RunFrame.h"
#include "SubfontDefinitions.h"
#include "SubfontRangeTable.h"

#include <array>
#include <optional>

namespace glyphsmith {

namespace {

// The rows of each subfont, merged with the template's lines, with what the definitions
// could not give, formed at the first family that writes the subfont: they are the same
// for every family, whose files differ only in header, trailer and dated comment lines.
class FormedSubfonts {
  public:
    struct Subfont {
        MergedRows rows;
        InputShortage shortage;
    };

    FormedSubfonts(SubfontDefinitions& definitions, const GenerationSettings& settings,
                   const CopyrightTemplate& copyright)
        : definitions_(definitions), settings_(settings), copyright_(copyright) {}

    const Subfont& Of(int subfont);

  private:
    SubfontDefinitions& definitions_;
    const GenerationSettings& settings_;
    const CopyrightTemplate& copyright_;
    std::array<std::optional<Subfont>, kSubfontCount> formed_;
};

const FormedSubfonts::Subfont& FormedSubfonts::Of(int subfont) {
    std::optional<Subfont>& formed = formed_[subfont - 1];
    if (!formed) {
        InputShortage shortage(settings_.sfdFile);
        const auto codes = [&](int code, bool rowWritten) {
            return rowWritten ? definitions_.Reference(subfont, code, shortage)
                              : CharacterReference();
        };
        const std::string rows = FormRows(GbkCodeRange(subfont, settings_.discardBlanks), codes);
        formed = Subfont{MergeTemplate(rows, copyright_), std::move(shortage)};
        definitions_.Release(subfont);
    }
    return *formed;
}

// The files of one family of the list, from the subfont definitions.
class FamilyFromDefinitions {
  public:
    FamilyFromDefinitions(const GenerationSettings& settings, RunFrame& run,
                          const std::string& family)
        : settings_(settings), run_(run), family_(family), font_(FontName::OfGbkFamily(family)) {}

    void Run(const SubfontDefinitions& definitions, FormedSubfonts& subfonts);

  private:
    void NoteProblems(const SubfontDefinitions& definitions);
    void GenerateSubfont(const FormedSubfonts::Subfont& formed, int subfont);

    const GenerationSettings& settings_;
    RunFrame& run_;
    const std::string& family_;
    const FontName font_;
};

void FamilyFromDefinitions::Run(const SubfontDefinitions& definitions, FormedSubfonts& subfonts) {
    const std::string directory = font_.DirectoryIn(settings_.htfDirectory);
    if (!run_.MakeDirectory(directory, Generator1DirectoryFailedText(directory),
                            DirectoryFailure::Logged, {&family_})) {
        return;
    }
    NoteProblems(definitions);
    for (int subfont = 1; subfont <= kSubfontCount; ++subfont) {
        GenerateSubfont(subfonts.Of(subfont), subfont);
    }
}

void FamilyFromDefinitions::NoteProblems(const SubfontDefinitions& definitions) {
    for (const SfdProblem& problem : definitions.Problems()) {
        run_.Log().Fail(InputNote(settings_.sfdFile, problem.line, problem.reason) + "\n");
    }
}

void FamilyFromDefinitions::GenerateSubfont(const FormedSubfonts::Subfont& formed, int subfont) {
    const std::string htfPath = font_.PathIn(settings_.htfDirectory, subfont);
    const FileWritten written =
        run_.WriteFile(htfPath, PlaceOfSubfont(subfont), kGenerator1Files, [&](std::ostream& out) {
            WriteMergedHtfFile(out, GbkHtfFile(font_, subfont, settings_.discardBlanks),
                               run_.DateOfFile()(), formed.rows);
        });
    if (written != FileWritten::NotCreated) { // a file that could not be created took no codes
        formed.shortage.Report(run_.Log(), htfPath);
    }
}

} // namespace

std::vector<std::string> SplitFontList(std::string_view fontList) {
    std::vector<std::string> families;
    std::size_t start = fontList.find_first_not_of(' ');
    while (start != std::string_view::npos) {
        const std::size_t end = fontList.find(' ', start);
        families.emplace_back(fontList.substr(start, end - start));
        start = fontList.find_first_not_of(' ', end);
    }
    return families;
}

RunOutcome RunGenerator1(const std::string& fontList, const GenerationSettings& settings,
                         const RunContext& context) {
    RunFrame run(context);
    if (!run.RequirePaths({&settings.htfDirectory, &settings.sfdFile}) || !run.StartGenerator()) {
        return RunOutcome::Stopped;
    }
    std::ifstream sfd = OpenInputFile(settings.sfdFile);
    if (!sfd) {
        return run.StopLogged(SfdOpenFailedText(settings.sfdFile));
    }
    // Read once for all families, which take their codes from the same definitions.
    SubfontDefinitions definitions = SubfontDefinitions::Read(sfd);
    FormedSubfonts subfonts(definitions, settings, run.Template());
    for (const std::string& family : SplitFontList(fontList)) {
        if (HoldsPathSeparator(family)) {
            // Its files would land outside the chosen directory.
            run.Log().Fail(NameRefusedText(family));
            continue;
        }
        FamilyFromDefinitions(settings, run, family).Run(definitions, subfonts);
    }
    return run.Finish(kHtfClosingTexts);
}

} // namespace glyphsmith
