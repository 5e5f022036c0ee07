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

// The work on one family: its directory of .enc files and its target directory.
class FamilyGenerator {
  public:
    FamilyGenerator(const GenerationSettings& settings, RunReporter& reporter, GeneratorStart& run,
                    const std::string& nameOnDisk, const Clock& clock)
        : settings_(settings), reporter_(reporter), log_(run.log), copyright_(run.copyright),
          family_(AsciiLower(nameOnDisk)), encFiles_(JoinPath(settings.encDirectory, nameOnDisk)),
          clock_(clock) {}

    void Run();

  private:
    void GenerateSubfont(CodePageWalk& table, int subfont, const Clock& dateOfFamily);
    void PassOver(CodePageWalk& table);
    std::string FilePath(const std::string& directory, int subfont, const char* extension) const {
        return JoinPath(JoinPath(directory, family_), family_ + TwoDigits(subfont) + extension);
    }

    const GenerationSettings& settings_;
    RunReporter& reporter_;
    RunLog& log_;
    const CopyrightTemplate& copyright_;
    const std::string family_; // lower-cased, as every path, header and log line names it
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
    const std::string target = JoinPath(settings_.htfDirectory, family_);
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
    const std::string encPath = FilePath(settings_.encDirectory, subfont, ".enc");
    std::ifstream encFile = OpenInputFile(encFiles_.PathOf(family_ + TwoDigits(subfont) + ".enc"));
    if (!encFile) {
        LogFileFailure(log_, "Failed to open .enc file", encPath, subfont);
        PassOver(table);
        return;
    }
    const std::string htfPath = FilePath(settings_.htfDirectory, subfont, ".htf");
    OutputFile htf(htfPath);
    if (!htf.IsOpen()) {
        LogFileFailure(log_, "Failed to create .htf file", htfPath, subfont);
        PassOver(table);
        return;
    }
    InputShortage encShortage(encPath);
    InputShortage tableShortage(settings_.codePageFile);
    WriteHtfFile(htf.Stream(), {family_, subfont, settings_.discardBlanks}, copyright_,
                 dateOfFamily, EncodedSubfont(encFile, table, encShortage, tableShortage));
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
            const std::string family = AsciiLower(name);
            if (family.find("gbk") == std::string::npos) {
                continue;
            }
            run->log.Write(family + "xx.enc files are found, " + family +
                           "xx.htf files are generating...\n");
            FamilyGenerator(settings, reporter, *run, name, context.clock).Run();
        }
    }
    return FinishRun(reporter, run->log, wait, kAllHtfCreatedText, kSomeHtfFailedText);
}

} // namespace glyphsmith
