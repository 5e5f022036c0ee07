// SPDX-License-Identifier: MIT
#include "Generator2.h"

#include "CodePageTable.h"
#include "DirectoryListing.h"
#include "Files.h"
#include "FontName.h"
#include "HtfWriter.h"
#include "InputShortage.h"
#include "Paths.h"
#include "RunFrame.h"
#include "SubfontRangeTable.h"

#include <functional>

namespace glyphsmith {

namespace {

// The files of one font from its directory of .enc files and the code page table.
class FontFromEncFiles {
  public:
    FontFromEncFiles(const GenerationSettings& settings, RunFrame& run,
                     const std::string& nameOnDisk)
        : settings_(settings), run_(run), font_(AsciiLower(nameOnDisk)),
          encFiles_(JoinPath(settings.encDirectory, nameOnDisk)) {}

    void Run();

  private:
    void GenerateSubfont(CodePageWalk& table, int subfont, const Clock& dateOfFont);
    void PassOver(CodePageWalk& table);

    const GenerationSettings& settings_;
    RunFrame& run_;
    // The directory's name lower-cased, as paths, headers and log lines name it.
    const FontName font_;
    const CaseInsensitiveDirectory encFiles_;
};

void FontFromEncFiles::Run() {
    std::ifstream tableFile = OpenInputFile(settings_.codePageFile);
    if (!tableFile) {
        run_.Log().Fail(CodePageOpenFailedText(settings_.codePageFile));
        return;
    }
    CodePageWalk table(tableFile);
    if (!table.SkipPreamble()) {
        run_.Log().Fail(TableWithoutMarkerNote(settings_.codePageFile, table.LinesRead()));
    }
    const std::string target = font_.DirectoryIn(settings_.htfDirectory);
    if (!run_.MakeDirectory(target, DirectoryFailedText(target, "\n"),
                            DirectoryFailure::LoggedAndShown)) {
        return;
    }
    const CalendarDate snapshot = run_.DateOfFile()();
    const Clock dateOfFont = [snapshot] { return snapshot; };
    for (int subfont = 1; subfont <= kSubfontCount; ++subfont) {
        GenerateSubfont(table, subfont, dateOfFont);
    }
}

void FontFromEncFiles::GenerateSubfont(CodePageWalk& table, int subfont, const Clock& dateOfFont) {
    const std::string encPath = font_.PathIn(settings_.encDirectory, subfont, ".enc");
    std::ifstream encFile = OpenInputFile(encFiles_.PathOf(font_.File(subfont, ".enc")));
    if (!encFile) {
        run_.Log().Fail(FileFailureLine(kEncOpenFailure, encPath, PlaceOfSubfont(subfont)));
        PassOver(table);
        return;
    }
    const std::string htfPath = font_.PathIn(settings_.htfDirectory, subfont);
    InputShortage encShortage(encPath);
    InputShortage tableShortage(settings_.codePageFile);
    const FileWritten written =
        run_.WriteFile(htfPath, PlaceOfSubfont(subfont), kGenerator2Files, [&](std::ostream& out) {
            EncodedSubfont codes(encFile, table, encShortage, tableShortage);
            WriteHtfFile(out, GbkHtfFile(font_, subfont, settings_.discardBlanks), run_.Template(),
                         dateOfFont, std::ref(codes));
        });
    if (written == FileWritten::NotCreated) {
        PassOver(table);
        return;
    }
    encShortage.Report(run_.Log(), htfPath);
    tableShortage.Report(run_.Log(), htfPath);
}

// Moves the table over the codes of a subfont whose file fails, so that the next
// subfont takes its values from its own lines.
void FontFromEncFiles::PassOver(CodePageWalk& table) {
    for (int code = 0; code < kCodesPerSubfont; ++code) {
        table.Next();
    }
}

} // namespace

RunOutcome RunGenerator2(const GenerationSettings& settings, const RunContext& context) {
    RunFrame run(context);
    if (!run.RequirePaths(
            {&settings.codePageFile, &settings.encDirectory, &settings.htfDirectory}) ||
        !run.StartGenerator()) {
        return RunOutcome::Stopped;
    }
    const auto directories = ListSubdirectories(settings.encDirectory);
    if (!directories) {
        run.Log().Fail(NoEncFilesText(settings.encDirectory));
        return run.Finish(kHtfClosingTexts);
    }
    for (const std::string& name : *directories) {
        const std::string stem = AsciiLower(name);
        if (stem.find("gbk") == std::string::npos) {
            continue;
        }
        run.Log().Write(EncFontFoundText(stem));
        FontFromEncFiles(settings, run, name).Run();
    }
    return run.Finish(kHtfClosingTexts);
}

} // namespace glyphsmith
