#include "Generator1.h"

#include "Files.h"
#include "FontName.h"
#include "HtfWriter.h"
#include "InputShortage.h"
#include "Paths.h"
#include "RunFrame.h"
#include "SubfontDefinitions.h"
#include "SubfontRangeTable.h"

namespace glyphsmith {

namespace {

// The files of one family of the list, from the subfont definitions.
class FamilyFromDefinitions {
  public:
    FamilyFromDefinitions(const GenerationSettings& settings, RunFrame& run,
                          const std::string& family)
        : settings_(settings), run_(run), family_(family), font_(FontName::OfGbkFamily(family)) {}

    void Run(const SubfontDefinitions& definitions);

  private:
    void NoteProblems(const SubfontDefinitions& definitions);
    void GenerateSubfont(const SubfontDefinitions& definitions, int subfont);

    const GenerationSettings& settings_;
    RunFrame& run_;
    const std::string& family_;
    const FontName font_;
};

void FamilyFromDefinitions::Run(const SubfontDefinitions& definitions) {
    const std::string directory = font_.DirectoryIn(settings_.htfDirectory);
    if (!run_.MakeDirectory(directory, Generator1DirectoryFailedText(directory),
                            DirectoryFailure::Logged, {&family_})) {
        return;
    }
    NoteProblems(definitions);
    for (int subfont = 1; subfont <= kSubfontCount; ++subfont) {
        GenerateSubfont(definitions, subfont);
    }
}

void FamilyFromDefinitions::NoteProblems(const SubfontDefinitions& definitions) {
    for (const SfdProblem& problem : definitions.Problems()) {
        run_.Log().Fail(InputNote(settings_.sfdFile, problem.line, problem.reason) + "\n");
    }
}

void FamilyFromDefinitions::GenerateSubfont(const SubfontDefinitions& definitions, int subfont) {
    const std::string htfPath = font_.PathIn(settings_.htfDirectory, subfont);
    InputShortage shortage(settings_.sfdFile);
    const CodeSource codes = [&](int code, bool rowWritten) -> CharacterReference {
        return rowWritten ? definitions.Reference(subfont, code, shortage) : std::nullopt;
    };
    run_.WriteFile(htfPath, PlaceOfSubfont(subfont), kGenerator1Files, [&](std::ostream& out) {
        WriteHtfFile(out, {font_, subfont, settings_.discardBlanks}, run_.Template(),
                     run_.DateOfFile(), codes);
    });
    shortage.Report(run_.Log(), htfPath);
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
    const SubfontDefinitions definitions = SubfontDefinitions::Read(sfd);
    for (const std::string& family : SplitFontList(fontList)) {
        if (HoldsPathSeparator(family)) {
            // Its files would land outside the chosen directory.
            run.Log().Fail(NameRefusedText(family));
            continue;
        }
        FamilyFromDefinitions(settings, run, family).Run(definitions);
    }
    return run.Finish(kHtfClosingTexts);
}

} // namespace glyphsmith
