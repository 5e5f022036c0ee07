// SPDX-License-Identifier: MIT
#include "Cloning.h"

#include "Files.h"
#include "InputShortage.h"
#include "LineReader.h"
#include "Paths.h"
#include "RunFrame.h"
#include "SubfontRangeTable.h"

#include <system_error>

namespace glyphsmith {

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// One decimal number as "%d" reads it, kept to its low eight bits at every digit so that
// no length of digits can overflow.
std::optional<int> ReadByteNumber(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsWhiteSpace(text[pos])) {
        ++pos;
    }
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        ++pos;
    }
    const std::size_t digits = pos;
    int value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        value = (value * 10 + (text[pos] - '0')) & 0xFF;
        ++pos;
    }
    if (pos == digits) {
        return std::nullopt;
    }
    return negative ? (256 - value) & 0xFF : value;
}

// Writing the cloned family beside its source, one subfont at a time.
class FamilyCloner {
  public:
    FamilyCloner(const std::string& directory, const std::string& from, const std::string& to)
        : directory_(directory), from_(FontName::OfGbkFamily(from)),
          to_(FontName::OfGbkFamily(to)) {}

    // Stops the run when both families are one directory, since cloning would empty each
    // source file before reading it.
    bool RequireTwoDirectories(RunFrame& run) const;
    std::string TargetDirectory() const { return to_.DirectoryIn(directory_); }
    void Clone(RunFrame& run, int subfont) const;

  private:
    const std::string& directory_;
    const FontName from_;
    const FontName to_;
};

bool FamilyCloner::RequireTwoDirectories(RunFrame& run) const {
    const std::string source = from_.DirectoryIn(directory_);
    const std::string target = TargetDirectory();
    std::error_code error;
    if (source != target && !std::filesystem::equivalent(FsPath(source), FsPath(target), error)) {
        return true;
    }
    run.Stop(SameDirectoryText(source, target));
    return false;
}

void FamilyCloner::Clone(RunFrame& run, int subfont) const {
    RunLog& log = run.Log();
    const std::string sourcePath = from_.PathIn(directory_, subfont);
    std::ifstream source = OpenInputFile(sourcePath);
    if (!source) {
        log.Fail(FileFailureLine(kCloneSourceOpenFailure, sourcePath, PlaceOfSubfont(subfont)));
        return;
    }
    const std::string targetPath = to_.PathIn(directory_, subfont);
    OutputFile target(targetPath, run.Outputs());
    if (!target.IsOpen()) {
        log.Fail(FileFailureLine(kClonedFiles.create, targetPath, PlaceOfSubfont(subfont)));
        return;
    }
    const ClonedFile cloned = CloneHtfText(source, target.Stream(), from_, to_, subfont);
    // An invalid source still leaves its target, empty.
    const bool written = target.Commit();
    if (!cloned.valid) {
        log.Fail(InvalidHtfText(from_.File(subfont)));
        return;
    }
    if (cloned.copiedRows < cloned.rows) {
        log.Fail(ShortCloneSourceNote(sourcePath, cloned.sourceLines, targetPath, cloned.copiedRows,
                                      cloned.rows));
    }
    if (!written) {
        log.Fail(FileFailureLine(kClonedFiles.write, targetPath, PlaceOfSubfont(subfont)));
    }
}

} // namespace

ClonedFile CloneHtfText(std::istream& sourceText, std::ostream& target, const FontName& from,
                        const FontName& to, int subfont) {
    LineReader source(sourceText);
    std::string_view line;
    const std::optional<CodeRange> range =
        source.Next(line) ? ReadCodeRange(line, from.Subfont(subfont)) : std::nullopt;
    if (!range) {
        return {false, 0, 0, source.LineNumber()};
    }
    const std::string rangeLine = to.Subfont(subfont) + " " + std::to_string(range->first) + " " +
                                  std::to_string(range->last);
    target << rangeLine << "  %cloned from " << from.File(subfont) << "\n";
    // Each row is copied whole; a source that ends early gives the rows it has.
    const int rows = range->first <= range->last ? range->last - range->first + 1 : 0;
    std::string copy; // given to the stream at once, which costs several calls per insertion
    const int copied = source.AppendLines(copy, rows);
    target << copy << rangeLine << "\n";
    return {true, rows, copied, source.LineNumber()};
}

std::optional<CodeRange> ReadCodeRange(std::string_view firstLine, std::string_view subfontName) {
    const std::size_t skipped = subfontName.size() + 1;
    if (firstLine.size() < skipped) {
        return std::nullopt;
    }
    const std::string_view numbers = firstLine.substr(skipped);
    std::size_t pos = 0;
    const std::optional<int> first = ReadByteNumber(numbers, pos);
    if (!first) {
        return std::nullopt;
    }
    const std::optional<int> last = ReadByteNumber(numbers, pos);
    if (!last) {
        return std::nullopt;
    }
    return CodeRange{*first, *last};
}

RunOutcome RunCloning(const std::string& clonedFrom, const std::string& clonedTo,
                      const GenerationSettings& settings, const RunContext& context) {
    RunFrame run(context);
    const FamilyCloner cloner(settings.htfDirectory, clonedFrom, clonedTo);
    if (!run.RequireNamesInDirectory({&clonedFrom, &clonedTo}) ||
        !cloner.RequireTwoDirectories(run) ||
        !run.StartSeries(cloner.TargetDirectory(),
                         DirectoryFailedText(cloner.TargetDirectory(), "\n"),
                         {&clonedFrom, &clonedTo})) {
        return RunOutcome::Stopped;
    }
    for (int subfont = 1; subfont <= kSubfontCount; ++subfont) {
        cloner.Clone(run, subfont);
    }
    return run.Finish(kHtfClosingTexts);
}

} // namespace glyphsmith
