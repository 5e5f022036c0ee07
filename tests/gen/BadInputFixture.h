#pragma once

#include "Alias.h"
#include "Cloning.h"
#include "Generator1.h"
#include "Generator2.h"
#include "HtfWriter.h"
#include "Paths.h"
#include "TestSupport.h"

#include <functional>
#include <initializer_list>
#include <string>

// Valid inputs for every run, which a test then spoils one at a time. In all of them code
// k of subfont b has the character U+4E00 + 256(b - 1) + k, so every row can be told in
// advance.
namespace glyphsmith::test {

inline constexpr const char* kAllCreated = "All .htf files have been created!";
inline constexpr const char* kSomeFailed =
    "Some .htf files could not be created; see log.txt for details.";

int ValueOf(int subfont, int code);

// A subfont definition file: a comment, the marker line, then 32 numbered lines of eight
// entries for each subfont 1 to 94.
std::string SfdText();

// An .enc file of `lines` lines, all of whose codes have a character.
std::string EncText(int lines = 257);

// The rows of codes first to last of a subfont, each with its character.
std::string HtfRows(int subfont, int first, int last);

// The rows of codes first to last without a character.
std::string BlankRows(int first, int last);

// Rows whose first line ends are replaced by the given template lines.
std::string WithEnds(const std::string& rows, std::initializer_list<std::string> ends);

// A whole .htf file: the header, the rows, the header again.
std::string HtfText(const std::string& header, const std::string& rows);

// "out/gbksong/gbksong07.htf" as the runs name it, for the generators' output, the
// cloning source (family song) and its target (family fsong).
std::string HtfFile(const std::string& family, int subfont);
inline std::string Gen1File(int subfont) {
    return HtfFile("song", subfont);
}
inline std::string Gen2File(int subfont) {
    return HtfFile("song", subfont);
}
inline std::string CloneSource(int subfont) {
    return HtfFile("song", subfont);
}
inline std::string CloneTarget(int subfont) {
    return HtfFile("fsong", subfont);
}

// "al/gbkx/gbkx07.htf": an alias file as the alias run names it.
std::string AliasFile(const std::string& alias, int subfont);

// A failure line for every subfont: "<failure> <path>!" and the series suffix.
std::string SeriesLines(const std::string& failure, const std::function<std::string(int)>& pathOf);

// The family gbksong of Generator 2: its .enc files and its progress line.
std::string EncFile(int subfont);
void WriteEnc(int subfont, const std::string& content);
std::string Progress(const std::string& family = "gbksong");
std::string MissingEncLines(int from, int to);

// The 94 files of a cloning source, each with one row.
void WriteCloneSources(const std::string& family = "song");

// Every run with valid inputs and all 256 rows per file: a test spoils one input.
class BadInputTest : public RunTest {
  protected:
    BadInputTest();

    RunOutcome Gen1(const std::string& fontList = "song") {
        return Finished(RunGenerator1(fontList, settings, context));
    }
    RunOutcome Gen2() { return Finished(RunGenerator2(settings, context)); }
    RunOutcome Clone(const std::string& from = "song", const std::string& to = "fsong") {
        return Finished(RunCloning(from, to, settings, context));
    }
    RunOutcome Alias(const std::string& target = "song", const std::string& alias = "x") {
        return Finished(RunAlias(target, alias, settings, context));
    }
};

} // namespace glyphsmith::test
