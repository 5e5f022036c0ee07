// SPDX-License-Identifier: MIT
#pragma once

#include "TestSupport.h"

#include <functional>
#include <string>

// Valid inputs for every run, which a test then spoils one at a time, and the paths and
// lines that the runs form for them.
namespace glyphsmith::test {

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

// A failure line for every subfont from..to: "<failure> <path>!" and the series suffix.
std::string SeriesLines(const std::string& failure, const std::function<std::string(int)>& pathOf,
                        int from = 1, int to = 94);

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
};

} // namespace glyphsmith::test
