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

#include <optional>
#include <vector>

namespace glyphsmith {

namespace {

// The files of one font from its directory of .enc files and the code page table.
class FontFromEncFiles {
  public:
    FontFromEncFiles(const GenerationSettings& settings, RunFrame& run,
                     const std::string& nameOnDisk)
        : settings_(settings), run_(run), font_(AsciiLower(nameOnDisk)),
          encFiles_(JoinPath(settings.encDirectory, nameOnDisk)) {}

    // table is none when the file cannot be opened.
    void Run(const std::optional<CodePageTable>& table);

  private:
    void GenerateSubfont(const CodePageTable& table, int subfont, const Clock& dateOfFont);

    const GenerationSettings& settings_;
    RunFrame& run_;
    // The directory's name lower-cased, as paths, headers and log lines name it.
    const FontName font_;
    const CaseInsensitiveDirectory encFiles_;
};

void FontFromEncFiles::Run(const std::optional<CodePageTable>& table) {
    // Each font's lines of the log note a table it cannot use, though the run reads it once.
    if (!table) {
        run_.Log().Fail(CodePageOpenFailedText(settings_.codePageFile));
        return;
    }
    if (!table->HasMarker()) {
        run_.Log().Fail(TableWithoutMarkerNote(settings_.codePageFile, table->LinesRead()));
    }
    const std::string target = font_.DirectoryIn(settings_.htfDirectory);
    if (!run_.MakeDirectory(target, DirectoryFailedText(target, "\n"),
                            DirectoryFailure::LoggedAndShown)) {
        return;
    }
    const CalendarDate snapshot = run_.DateOfFile()();
    const Clock dateOfFont = [snapshot] { return snapshot; };
    for (int subfont = 1; subfont <= kSubfontCount; ++subfont) {
        GenerateSubfont(*table, subfont, dateOfFont);
    }
}

void FontFromEncFiles::GenerateSubfont(const CodePageTable& table, int subfont,
                                       const Clock& dateOfFont) {
    const std::string encPath = font_.PathIn(settings_.encDirectory, subfont, ".enc");
    std::ifstream encFile = OpenInputFile(encFiles_.PathOf(font_.File(subfont, ".enc")));
    if (!encFile) {
        run_.Log().Fail(FileFailureLine(kEncOpenFailure, encPath, PlaceOfSubfont(subfont)));
        return;
    }
    const std::string htfPath = font_.PathIn(settings_.htfDirectory, subfont);
    InputShortage encShortage(encPath);
    InputShortage tableShortage(settings_.codePageFile);
    const FileWritten written =
        run_.WriteFile(htfPath, PlaceOfSubfont(subfont), kGenerator2Files, [&](std::ostream& out) {
            WriteHtfFile(out, GbkHtfFile(font_, subfont, settings_.discardBlanks), run_.Template(),
                         dateOfFont,
                         EncodedSubfont(encFile, table, subfont, encShortage, tableShortage));
        });
    if (written == FileWritten::NotCreated) {
        return;
    }
    encShortage.Report(run_.Log(), htfPath);
    tableShortage.Report(run_.Log(), htfPath);
}

// The directories whose name holds "gbk" in any case, in the order listed.
std::vector<std::string> GbkFontDirectories(const std::vector<std::string>& directories) {
    std::vector<std::string> fonts;
    for (const std::string& name : directories) {
        if (AsciiLower(name).find("gbk") != std::string::npos) {
            fonts.push_back(name);
        }
    }
    return fonts;
}

std::optional<CodePageTable> ReadCodePageFile(const std::string& path) {
    std::ifstream file = OpenInputFile(path);
    if (!file) {
        return std::nullopt;
    }
    return CodePageTable::Read(file);
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
    const std::vector<std::string> fonts = GbkFontDirectories(*directories);
    // Read once for all fonts, which take their values from the same lines.
    const std::optional<CodePageTable> table =
        fonts.empty() ? std::nullopt : ReadCodePageFile(settings.codePageFile);
    for (const std::string& name : fonts) {
        run.Log().Write(EncFontFoundText(AsciiLower(name)));
        FontFromEncFiles(settings, run, name).Run(table);
    }
    return run.Finish(kHtfClosingTexts);
}

} // namespace glyphsmith
