#include "Generator2.h"

#include "CodePageTable.h"
#include "DirectoryListing.h"
#include "FamilyPaths.h"
#include "Files.h"
#include "HtfWriter.h"
#include "InputShortage.h"
#include "Paths.h"
#include "RunFrame.h"
#include "SubfontRangeTable.h"

namespace glyphsmith {

namespace {

// The work on one font: its directory of .enc files and its target directory.
class FamilyGenerator {
  public:
    FamilyGenerator(const GenerationSettings& settings, RunReporter& reporter, GeneratorStart& run,
                    const std::string& nameOnDisk, const Clock& clock)
        : settings_(settings), reporter_(reporter), log_(run.log), copyright_(run.copyright),
          font_(AsciiLower(nameOnDisk)), encFiles_(JoinPath(settings.encDirectory, nameOnDisk)),
          clock_(clock) {}

    void Run();

  private:
    void GenerateSubfont(CodePageWalk& table, int subfont, const Clock& dateOfFamily);
    void PassOver(CodePageWalk& table);

    const GenerationSettings& settings_;
    RunReporter& reporter_;
    RunLog& log_;
    const CopyrightTemplate& copyright_;
    const FontName
        font_; // the directory's name lower-cased, as paths, headers and log lines name it
    const CaseInsensitiveDirectory encFiles_;
    const Clock& clock_;
};

void FamilyGenerator::Run() {
    std::ifstream tableFile = OpenInputFile(settings_.codePageFile);
    if (!tableFile) {
        log_.Fail("Failed to open MS codepage file " + settings_.codePageFile + "\n!");
        return;
    }
    CodePageWalk table(tableFile);
    if (!table.SkipPreamble()) {
        log_.Fail(InputNote(settings_.codePageFile, std::nullopt,
                            EndedWithoutMarker("the table", table.LinesRead(), kCodePageMarker) +
                                ", so it gives no values") +
                  "\n");
    }
    const std::string target = font_.DirectoryIn(settings_.htfDirectory);
    if (!MakeFamilyDirectory(target, "\n", log_, reporter_)) {
        return;
    }
    const CalendarDate snapshot = clock_();
    const Clock dateOfFamily = [snapshot] { return snapshot; };
    for (int subfont = 1; subfont <= kSubfontCount; ++subfont) {
        GenerateSubfont(table, subfont, dateOfFamily);
    }
}

void FamilyGenerator::GenerateSubfont(CodePageWalk& table, int subfont, const Clock& dateOfFamily) {
    const std::string encPath = font_.PathIn(settings_.encDirectory, subfont, ".enc");
    std::ifstream encFile = OpenInputFile(encFiles_.PathOf(font_.File(subfont, ".enc")));
    if (!encFile) {
        LogFileFailure(log_, "Failed to open .enc file", encPath, subfont);
        PassOver(table);
        return;
    }
    const std::string htfPath = font_.PathIn(settings_.htfDirectory, subfont);
    OutputFile htf(htfPath);
    if (!htf.IsOpen()) {
        LogFileFailure(log_, "Failed to create .htf file", htfPath, subfont);
        PassOver(table);
        return;
    }
    InputShortage encShortage(encPath);
    InputShortage tableShortage(settings_.codePageFile);
    WriteHtfFile(htf.Stream(), {font_, subfont, settings_.discardBlanks}, copyright_, dateOfFamily,
                 EncodedSubfont(encFile, table, encShortage, tableShortage));
    if (!htf.Commit()) {
        LogFileFailure(log_, "Failed to write .htf file", htfPath, subfont);
    }
    encShortage.Report(log_, htfPath);
    tableShortage.Report(log_, htfPath);
}

// Moves the table over the codes of a subfont whose file fails, so that the next
// subfont takes its values from its own lines.
void FamilyGenerator::PassOver(CodePageWalk& table) {
    for (int code = 0; code < kCodesPerSubfont; ++code) {
        table.Next();
    }
}

} // namespace

RunOutcome RunGenerator2(const GenerationSettings& settings, const RunContext& context) {
    RunReporter& reporter = context.reporter;
    if (WarnIfAnyEmpty(reporter,
                       {&settings.codePageFile, &settings.encDirectory, &settings.htfDirectory})) {
        return RunOutcome::Stopped;
    }
    WorkScope wait(reporter);
    std::optional<GeneratorStart> run = StartGeneratorRun(context, wait);
    if (!run) {
        return RunOutcome::Stopped;
    }
    const auto directories = ListSubdirectories(settings.encDirectory);
    if (!directories) {
        run->log.Fail("There are no any .enc files in " + settings.encDirectory + "!\n");
    } else {
        for (const std::string& name : *directories) {
            const std::string stem = AsciiLower(name);
            if (stem.find("gbk") == std::string::npos) {
                continue;
            }
            run->log.Write(stem + "xx.enc files are found, " + stem +
                           "xx.htf files are generating...\n");
            FamilyGenerator(settings, reporter, *run, name, context.clock).Run();
        }
    }
    return FinishRun(reporter, run->log, wait, kAllHtfCreatedText, kSomeHtfFailedText);
}

} // namespace glyphsmith
