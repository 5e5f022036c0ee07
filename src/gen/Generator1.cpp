#include "Generator1.h"

#include "EnsureDirectory.h"
#include "FamilyPaths.h"
#include "Files.h"
#include "HtfWriter.h"
#include "InputShortage.h"
#include "Paths.h"
#include "RunFrame.h"
#include "SubfontDefinitions.h"
#include "SubfontRangeTable.h"

namespace glyphsmith {

namespace {

// The work on one family of the list.
class FamilyGenerator {
  public:
    FamilyGenerator(const GenerationSettings& settings, const Clock& clock, RunLog& log,
                    const CopyrightTemplate& copyright, const std::string& family)
        : settings_(settings), clock_(clock), log_(log), copyright_(copyright),
          font_(FontName::OfGbkFamily(family)),
          directory_(font_.DirectoryIn(settings.htfDirectory)) {}

    void Run(const SubfontDefinitions& definitions);

  private:
    void NoteProblems(const SubfontDefinitions& definitions);
    void GenerateSubfont(const SubfontDefinitions& definitions, int subfont);

    const GenerationSettings& settings_;
    const Clock& clock_;
    RunLog& log_;
    const CopyrightTemplate& copyright_;
    const FontName font_;
    const std::string directory_;
};

void FamilyGenerator::Run(const SubfontDefinitions& definitions) {
    if (!EnsureDirectory(directory_)) {
        log_.Fail("Fail to create the directory " + directory_ + "!\n");
        return;
    }
    NoteProblems(definitions);
    for (int subfont = 1; subfont <= kSubfontCount; ++subfont) {
        GenerateSubfont(definitions, subfont);
    }
}

void FamilyGenerator::NoteProblems(const SubfontDefinitions& definitions) {
    for (const SfdProblem& problem : definitions.Problems()) {
        log_.Fail(InputNote(settings_.sfdFile, problem.line, problem.reason) + "\n");
    }
}

void FamilyGenerator::GenerateSubfont(const SubfontDefinitions& definitions, int subfont) {
    const std::string htfPath = font_.PathIn(settings_.htfDirectory, subfont);
    OutputFile htf(htfPath);
    if (!htf.IsOpen()) {
        LogFileFailure(log_, "Fail to create .htf file", htfPath, subfont);
        return;
    }
    InputShortage shortage(settings_.sfdFile);
    const CodeSource codes = [&](int code, bool rowWritten) -> CharacterReference {
        return rowWritten ? definitions.Reference(subfont, code, shortage) : std::nullopt;
    };
    WriteHtfFile(htf.Stream(), {font_, subfont, settings_.discardBlanks}, copyright_, clock_,
                 codes);
    if (!htf.Commit()) {
        LogFileFailure(log_, "Fail to write .htf file", htfPath, subfont);
    }
    shortage.Report(log_, htfPath);
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
    RunReporter& reporter = context.reporter;
    if (WarnIfAnyEmpty(reporter, {&settings.htfDirectory, &settings.sfdFile})) {
        return RunOutcome::Stopped;
    }
    WorkScope wait(reporter);
    std::optional<GeneratorStart> run = StartGeneratorRun(context, wait);
    if (!run) {
        return RunOutcome::Stopped;
    }
    std::ifstream sfd = OpenInputFile(settings.sfdFile);
    if (!sfd) {
        const std::string message = "Failed to open UGBK.sfd file " + settings.sfdFile + "\n!";
        run->log.Fail(message);
        run->log.Close();
        wait.End();
        reporter.Warn(message);
        return RunOutcome::Stopped;
    }
    // Read once for all families, which take their codes from the same definitions.
    const SubfontDefinitions definitions = SubfontDefinitions::Read(sfd);
    for (const std::string& family : SplitFontList(fontList)) {
        if (HoldsPathSeparator(family)) {
            // Its files would land outside the chosen directory.
            run->log.Fail("Refused the font name " + family + ": it holds a path separator!\n");
            continue;
        }
        FamilyGenerator(settings, context.clock, run->log, run->copyright, family).Run(definitions);
    }
    return FinishRun(reporter, run->log, wait, kAllHtfCreatedText, kSomeHtfFailedText);
}

} // namespace glyphsmith
