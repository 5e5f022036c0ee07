// SPDX-License-Identifier: MIT
#include "SfdRun.h"

#include "Files.h"
#include "FontName.h"
#include "Generator1.h"
#include "HtfWriter.h"
#include "InputShortage.h"
#include "Paths.h"
#include "RunFrame.h"
#include "SfdReferences.h"
#include "SfdValueKind.h"
#include "SubfontSelection.h"
#include "TfmRange.h"

namespace glyphsmith {

namespace {

// The range of a file without rows, as TFM files without characters give it.
constexpr CodeRange kNoCodes{1, 0};

struct SfdTally {
    int written = 0;
    int withoutTfm = 0;
};

// The files of one font of the list.
class FontFromSfd {
  public:
    FontFromSfd(const SfdRunSettings& settings, RunFrame& run, const std::string& stem,
                SfdTally& tally)
        : settings_(settings), run_(run), font_(stem), tally_(tally) {}

    void Run(const SubfontList& subfonts);

  private:
    void Write(const SfdSubfont& subfont, SeriesPlace place);
    std::optional<CodeRange> RangeOf(const SfdSubfont& subfont, const std::string& htfPath);
    std::optional<CodeRange> TfmRangeOf(const SfdSubfont& subfont, const std::string& htfPath);

    const SfdRunSettings& settings_;
    RunFrame& run_;
    const FontName font_;
    SfdTally& tally_;
};

void FontFromSfd::Run(const SubfontList& subfonts) {
    const std::string directory = font_.DirectoryIn(settings_.htfDirectory);
    if (!run_.MakeDirectory(directory, DirectoryFailedText(directory, "\n"),
                            DirectoryFailure::Logged)) {
        return;
    }
    for (std::size_t i = 0; i < subfonts.size(); ++i) {
        Write(*subfonts[i], i + 1 < subfonts.size() ? SeriesPlace::GoesOn : SeriesPlace::Last);
    }
}

void FontFromSfd::Write(const SfdSubfont& subfont, SeriesPlace place) {
    const std::string htfPath = font_.PathIn(settings_.htfDirectory, subfont.Name());
    const std::optional<CodeRange> range = RangeOf(subfont, htfPath);
    if (!range) {
        return;
    }
    const HtfFileSpec file{font_, subfont.Name(), *range};
    const auto codes = [&subfont](int code, bool) { return SfdReference(subfont.Value(code)); };
    const FileWritten written = run_.WriteFile(htfPath, place, kSfdFiles, [&](std::ostream& out) {
        WriteHtfFile(out, file, run_.Template(), run_.DateOfFile(), codes);
    });
    tally_.written += written == FileWritten::Whole ? 1 : 0;
}

std::optional<CodeRange> FontFromSfd::RangeOf(const SfdSubfont& subfont,
                                              const std::string& htfPath) {
    if (settings_.tfmDirectory) {
        return TfmRangeOf(subfont, htfPath);
    }
    if (settings_.keepBlanks) {
        return CodeRange{0, 255};
    }
    return CharacterRange(subfont).value_or(kNoCodes);
}

// TeX4ht reads a file's rows from its TFM's first code, so the file takes the TFM's range.
std::optional<CodeRange> FontFromSfd::TfmRangeOf(const SfdSubfont& subfont,
                                                 const std::string& htfPath) {
    const std::string tfmPath =
        JoinPath(*settings_.tfmDirectory, font_.File(subfont.Name(), ".tfm"));
    std::error_code error;
    // A file whose existence cannot be told is read, so that the reason is noted.
    if (!std::filesystem::exists(FsPath(tfmPath), error) && !error) {
        ++tally_.withoutTfm;
        return std::nullopt;
    }
    const TfmRangeOrRefusal range = ReadTfmRange(tfmPath);
    if (const std::string* refusal = std::get_if<std::string>(&range)) {
        run_.Log().Fail(RefusedTfmNote(*refusal, htfPath));
        return std::nullopt;
    }
    return std::get<TfmRange>(range);
}

bool RequireFontNames(RunFrame& run, const std::vector<std::string>& fonts) {
    for (const std::string& font : fonts) {
        if (!run.RequireNamesInDirectory({&font})) {
            return false;
        }
    }
    return true;
}

bool RequirePaths(RunFrame& run, const SfdRunSettings& settings) {
    return run.RequirePaths({&settings.sfdFile, &settings.htfDirectory}) &&
           (!settings.tfmDirectory || run.RequirePaths({&*settings.tfmDirectory}));
}

void LogNotes(RunFrame& run, const SfdFile& file, const std::string& path) {
    for (const SfdNote& note : file.Notes()) {
        run.Log().Fail(InputNote(path, note.line, note.reason) + "\n");
    }
    if (file.NotesLeftOut() > 0) {
        run.Log().Fail(InputNote(path, std::nullopt, NotesLeftOutText(file.NotesLeftOut())) + "\n");
    }
}

std::string SummaryOf(const SfdRunSettings& settings, const SfdTally& tally) {
    return WroteFilesText(tally.written) +
           (settings.tfmDirectory ? WithoutTfmText(tally.withoutTfm) : "") + ".";
}

// Why no file can be written from the file, if so.
std::optional<std::string> RefusalOf(const SfdFile& file, const std::string& path) {
    if (const std::optional<int> line = file.NulByteLine()) {
        return NoTextFileText(path, *line);
    }
    if (file.Subfonts().empty()) {
        return NoSubfontText(path);
    }
    if (ValueKindOf(file) == SfdValueKind::NativeCodes) {
        return NativeCodesText(path);
    }
    return std::nullopt;
}

} // namespace

RunOutcome RunSfd(const SfdRunSettings& settings, const RunContext& context) {
    RunFrame run(context);
    const std::vector<std::string> fonts = SplitFontList(settings.fontList);
    if (!RequirePaths(run, settings) || !RequireFontNames(run, fonts) || !run.StartGenerator()) {
        return RunOutcome::Stopped;
    }
    std::ifstream in = OpenInputFile(settings.sfdFile);
    if (!in) {
        return run.StopLogged(SfdFileOpenFailedText(settings.sfdFile));
    }
    const SfdFile file = SfdFile::Read(in);
    LogNotes(run, file, settings.sfdFile);
    if (const std::optional<std::string> refusal = RefusalOf(file, settings.sfdFile)) {
        return run.StopLogged(*refusal);
    }
    const SubfontSelection selection =
        settings.subfontList ? SelectSubfonts(file, *settings.subfontList, settings.sfdFile)
                             : AllSubfonts(file);
    if (const std::string* refusal = std::get_if<std::string>(&selection)) {
        return run.StopLogged(*refusal);
    }
    SfdTally tally;
    for (const std::string& font : fonts) {
        FontFromSfd(settings, run, font, tally).Run(std::get<SubfontList>(selection));
    }
    return run.Finish(kHtfClosingTexts, SummaryOf(settings, tally));
}

} // namespace glyphsmith
