// SPDX-License-Identifier: MIT
#include "RunTexts.h"
#include "TestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace glyphsmith::test {
namespace {

// Three subfonts with names of two and four characters, an offset, a filler, a range and
// a continued line.
constexpr const char* kSample = "# three subfonts\n"
                                "00 0x41_0x43\n"
                                "4e 5: 0x4E00 0xFFFE \\\n"
                                "      0x4E02\n"
                                "0100 0x20000 0x20001\n";

const std::string kSong00 = "zzsong00 0 2\n"
                            "'&#x0041;' ''   0\n"
                            "'&#x0042;' ''   1\n"
                            "'&#x0043;' ''   2\n"
                            "zzsong00 0 2\n";
const std::string kSong4e = "zzsong4e 5 7\n"
                            "'&#x4E00;' ''   5\n"
                            "  ''       ''   6\n"
                            "'&#x4E02;' ''   7\n"
                            "zzsong4e 5 7\n";
const std::string kSong0100 = "zzsong0100 0 1\n"
                              "'&#x20000;' ''   0\n"
                              "'&#x20001;' ''   1\n"
                              "zzsong0100 0 1\n";

// The rows of subfont 4e of the sample for codes first to last.
std::string Rows4e(int first, int last) {
    std::string rows;
    for (int code = first; code <= last; ++code) {
        rows += HtfRow(code, code == 5   ? std::optional(0x4E00)
                             : code == 7 ? std::optional(0x4E02)
                                         : std::nullopt);
    }
    return rows;
}

// The log of a file of 101 lines "4e zz": the first 100 faults, and a count of the rest.
std::string LogOfManyFaults() {
    std::string log;
    for (int line = 1; line <= 100; ++line) {
        log += "many.sfd:" + std::to_string(line) +
               ": \"zz\" is no code, range a_b or offset n:; the rest of the line is passed over\n";
    }
    return log + "many.sfd: 1 further fault is not listed\n";
}

std::string Wrote(const std::string& counts, const std::string& closing) {
    return counts + "\n" + closing;
}

struct SfdCase {
    std::string name;
    std::function<void(SfdRunSettings&)> options;
    // Files to write before the run, by path; a path ending in "/" is a directory.
    std::map<std::string, std::string> inputs;
    RunOutcome outcome;
    ReportedMessage message;
    std::optional<std::string> log;         // none: the run stopped before it opened the log
    std::map<std::string, std::string> htf; // every file under htf/, by its path
};

void PrintTo(const SfdCase& c, std::ostream* out) {
    *out << c.name;
}

std::map<std::string, std::string> FilesUnder(const fs::path& directory) {
    std::map<std::string, std::string> files;
    if (!fs::exists(directory)) {
        return files;
    }
    for (const auto& entry : fs::recursive_directory_iterator(directory)) {
        if (entry.is_regular_file()) {
            files[entry.path().generic_string()] = ReadFile(entry.path());
        }
    }
    return files;
}

class SfdRunTest : public RunTest, public ::testing::WithParamInterface<SfdCase> {};

TEST_P(SfdRunTest, WritesExactlyItsFilesLogAndMessage) {
    const SfdCase& c = GetParam();
    WriteFile("in.sfd", kSample);
    for (const auto& [path, content] : c.inputs) {
        if (path.ends_with('/')) {
            fs::create_directories(path);
        } else {
            WriteFile(path, content);
        }
    }
    SfdRunSettings sfd;
    sfd.sfdFile = "in.sfd";
    sfd.fontList = "zzsong";
    sfd.htfDirectory = "htf";
    if (c.options) {
        c.options(sfd);
    }
    EXPECT_EQ(Sfd(sfd), c.outcome);
    EXPECT_EQ(reporter.messages, std::vector{c.message});
    if (c.log) {
        EXPECT_EQ(ReadFile("log.txt"), *c.log);
    } else {
        EXPECT_FALSE(fs::exists("log.txt"));
    }
    EXPECT_EQ(FilesUnder("htf"), c.htf);
}

const std::string kSongTfm = Native("tfm/zzsong");
const std::string kSongHtf = Native("htf/zzsong/zzsong");

INSTANTIATE_TEST_SUITE_P(Cases, SfdRunTest,
                         ::testing::
                             Values(
                                 SfdCase{"EverySubfontSpansTheCodesItGivesCharacters",
                                         nullptr,
                                         {},
                                         RunOutcome::Completed,
                                         Information(Wrote("Wrote 3 .htf files.", kAllCreated)),
                                         "",
                                         {{"htf/zzsong/zzsong00.htf", kSong00},
                                          {"htf/zzsong/zzsong4e.htf", kSong4e},
                                          {"htf/zzsong/zzsong0100.htf", kSong0100}}},
                                 SfdCase{"TheTemplateEndsTheRowsWithTheDatedCommentOfEachFile",
                                         [](SfdRunSettings& s) { s.subfontList = "4e,0100"; },
                                         {{"copyright.txt", "A\nthe .htf line\n"}},
                                         RunOutcome::Completed,
                                         Information(Wrote("Wrote 2 .htf files.", kAllCreated)),
                                         "",
                                         {{"htf/zzsong/zzsong4e.htf",
                                           "zzsong4e 5 7\n"
                                           "'&#x4E00;' ''   5A\n"
                                           "  ''       ''   6 % zzsong4e.htf (unicode)       "
                                           "2005-05-18 %\n"
                                           "'&#x4E02;' ''   7\n"
                                           "zzsong4e 5 7\n"},
                                          {"htf/zzsong/zzsong0100.htf",
                                           "zzsong0100 0 1\n"
                                           "'&#x20000;' ''   0A\n"
                                           "'&#x20001;' ''   1 % zzsong0100.htf (unicode)     "
                                           "2005-05-18 %\n"
                                           "zzsong0100 0 1\n"}}},
                                 SfdCase{"KeptBlanksGiveAll256Rows",
                                         [](SfdRunSettings& s) {
                                             s.keepBlanks = true;
                                             s.subfontList = "4e";
                                         },
                                         {},
                                         RunOutcome::Completed,
                                         Information(Wrote("Wrote 1 .htf file.", kAllCreated)),
                                         "",
                                         {{"htf/zzsong/zzsong4e.htf",
                                           HtfText("zzsong4e 0 255", Rows4e(0, 255))}}},
                                 SfdCase{"EveryFontOfTheListGetsItsDirectory",
                                         [](SfdRunSettings& s) {
                                             s.fontList = " zzkai  zzsong ";
                                             s.subfontList = "00";
                                         },
                                         {},
                                         RunOutcome::Completed,
                                         Information(Wrote("Wrote 2 .htf files.", kAllCreated)),
                                         "",
                                         {{"htf/zzkai/zzkai00.htf",
                                           "zzkai00 0 2\n'&#x0041;' ''   0\n'&#x0042;' ''   "
                                           "1\n'&#x0043;' ''   2\n"
                                           "zzkai00 0 2\n"},
                                          {"htf/zzsong/zzsong00.htf", kSong00}}},
                                 // A range runs in the file's order: 10 lies between 02 and 03, and
                                 // is written once.
                                 SfdCase{"ARangeRunsInTheOrderOfTheFile",
                                         [](SfdRunSettings& s) {
                                             s.subfontList = "02-03, 10";
                                             s.sfdFile = "order.sfd";
                                         },
                                         {{"order.sfd",
                                           "02 0x4E00\n10 0x4E01\n03 0x4E02\n01 0x4E03\n"}},
                                         RunOutcome::Completed,
                                         Information(Wrote("Wrote 3 .htf files.", kAllCreated)),
                                         "",
                                         {{"htf/zzsong/zzsong02.htf",
                                           HtfText("zzsong02 0 0", HtfRow(0, 0x4E00))},
                                          {"htf/zzsong/zzsong10.htf",
                                           HtfText("zzsong10 0 0", HtfRow(0, 0x4E01))},
                                          {"htf/zzsong/zzsong03.htf",
                                           HtfText("zzsong03 0 0", HtfRow(0, 0x4E02))}}},
                                 SfdCase{"TheFilesTakeTheRangesOfTheirTfmFiles",
                                         [](SfdRunSettings& s) { s.tfmDirectory = "tfm"; },
                                         {{"tfm/zzsong4e.tfm", TfmBytes(3, 9)},
                                          {"tfm/zzsong0100.tfm", ""}},
                                         RunOutcome::CompletedWithFailures,
                                         Warning(
                                             Wrote("Wrote 1 .htf file; 1 subfont had no TFM file.",
                                                   kSomeFailed)),
                                         kSongTfm + "0100.tfm: the file is empty, so " + kSongHtf +
                                             "0100.htf is not written\n",
                                         {{"htf/zzsong/zzsong4e.htf",
                                           HtfText("zzsong4e 3 9", Rows4e(3, 9))}}},
                                 SfdCase{"AFontWithoutCharactersGetsAFileWithoutRows",
                                         [](SfdRunSettings& s) {
                                             s.tfmDirectory = "tfm";
                                             s.subfontList = "00";
                                         },
                                         {{"tfm/zzsong00.tfm", TfmBytes(1, 0)}},
                                         RunOutcome::Completed,
                                         Information(
                                             Wrote(
                                                 "Wrote 1 .htf file; 0 subfonts had no TFM file.",
                                                 kAllCreated)),
                                         "",
                                         {{"htf/zzsong/zzsong00.htf",
                                           "zzsong00 1 0\nzzsong00 1 0\n"}}},
                                 SfdCase{"ASubfontWithoutCharactersGetsAFileWithoutRows",
                                         [](SfdRunSettings& s) { s.sfdFile = "filler.sfd"; },
                                         {{"filler.sfd", "fe 0xFFFE\nff 0xFFFE 0x41\n"}},
                                         RunOutcome::Completed,
                                         Information(Wrote("Wrote 2 .htf files.", kAllCreated)),
                                         "",
                                         {{"htf/zzsong/zzsongfe.htf",
                                           "zzsongfe 1 0\nzzsongfe 1 0\n"},
                                          {"htf/zzsong/zzsongff.htf",
                                           HtfText("zzsongff 1 1", HtfRow(1, 0x41))}}},
                                 SfdCase{"NotesOfTheReaderAreLoggedOncePerRun",
                                         [](SfdRunSettings& s) {
                                             s.sfdFile = "flawed.sfd";
                                             s.fontList = "zzkai zzsong";
                                         },
                                         {{"flawed.sfd", "4e 0x4E00 zz 0x4E01\n"}},
                                         RunOutcome::CompletedWithFailures,
                                         Warning(Wrote("Wrote 2 .htf files.", kSomeFailed)),
                                         "flawed.sfd:1: \"zz\" is no code, range a_b or offset n:; "
                                         "the rest of the line "
                                         "is passed over\n",
                                         {{"htf/zzkai/zzkai4e.htf",
                                           HtfText("zzkai4e 0 0", HtfRow(0, 0x4E00))},
                                          {"htf/zzsong/zzsong4e.htf",
                                           HtfText("zzsong4e 0 0", HtfRow(0, 0x4E00))}}},
                                 SfdCase{
                                     "FaultsBeyondAHundredAreCounted",
                                     [](SfdRunSettings& s) { s.sfdFile = "many.sfd"; },
                                     {{"many.sfd", Repeated("4e zz\n", 101)}},
                                     RunOutcome::CompletedWithFailures,
                                     Warning(Wrote("Wrote 1 .htf file.", kSomeFailed)),
                                     LogOfManyFaults(),
                                     {{"htf/zzsong/zzsong4e.htf", "zzsong4e 1 0\nzzsong4e 1 0\n"}}},
                                 SfdCase{"FilesAndDirectoriesThatCannotBeMadeAreLogged",
                                         [](SfdRunSettings& s) {
                                             s.fontList = std::string(300, 'z') + " zzsong";
                                         },
                                         {{"htf/zzsong/zzsong00.htf/", ""},
                                          {"htf/zzsong/zzsong0100.htf/", ""}},
                                         RunOutcome::CompletedWithFailures,
                                         Warning(Wrote("Wrote 1 .htf file.", kSomeFailed)),
                                         "Failed to create the directory " + Native("htf/") +
                                             std::string(300, 'z') +
                                             "!\n"
                                             "Failed to create .htf file " +
                                             kSongHtf +
                                             "00.htf!Go to the next file!\nFailed to create .htf "
                                             "file " +
                                             kSongHtf + "0100.htf!\n",
                                         {{"htf/zzsong/zzsong4e.htf", kSong4e}}},
                                 SfdCase{"ASubfontThatTheFileDoesNotDefineStopsTheRun",
                                         [](SfdRunSettings& s) { s.subfontList = "4e ff"; },
                                         {},
                                         RunOutcome::Stopped,
                                         Warning("The subfont definition file in.sfd defines no "
                                                 "subfont \"ff\"!\n"),
                                         "The subfont definition file in.sfd defines no subfont "
                                         "\"ff\"!\n",
                                         {}},
                                 SfdCase{"ARangeToAnUndefinedSubfontStopsTheRun",
                                         [](SfdRunSettings& s) { s.subfontList = "00-4f"; },
                                         {},
                                         RunOutcome::Stopped,
                                         Warning("The subfont definition file in.sfd defines no "
                                                 "subfont \"4f\"!\n"),
                                         "The subfont definition file in.sfd defines no subfont "
                                         "\"4f\"!\n",
                                         {}},
                                 SfdCase{"ABackwardRangeStopsTheRun",
                                         [](SfdRunSettings& s) { s.subfontList = "0100-4e"; },
                                         {},
                                         RunOutcome::Stopped,
                                         Warning("The subfont range \"0100-4e\" runs backwards: "
                                                 "its last subfont comes "
                                                 "before its first in in.sfd!\n"),
                                         "The subfont range \"0100-4e\" runs backwards: its last "
                                         "subfont comes before its "
                                         "first in in.sfd!\n",
                                         {}},
                                 SfdCase{"AListWithoutANameStopsTheRun",
                                         [](SfdRunSettings& s) { s.subfontList = " , "; },
                                         {},
                                         RunOutcome::Stopped,
                                         Warning("The subfont list \" , \" names no subfont!\n"),
                                         "The subfont list \" , \" names no subfont!\n",
                                         {}},
                                 SfdCase{"AFileOfNativeCodesIsRefused",
                                         [](SfdRunSettings& s) { s.sfdFile = "Big5zz.sfd"; },
                                         {{"Big5zz.sfd", "01 0xA140_0xA17E\n02 0xC940\n"}},
                                         RunOutcome::Stopped,
                                         Warning(NativeCodesText("Big5zz.sfd")),
                                         NativeCodesText("Big5zz.sfd"),
                                         {}},
                                 SfdCase{"AFileWithANulByteIsRefused",
                                         [](SfdRunSettings& s) { s.sfdFile = "utf16.sfd"; },
                                         {{"utf16.sfd", std::string("4e 0x4E00\n\0\n", 12)}},
                                         RunOutcome::Stopped,
                                         Warning(NoTextFileText("utf16.sfd", 2)),
                                         NoTextFileText("utf16.sfd", 2),
                                         {}},
                                 SfdCase{"AFileWithoutSubfontsIsRefused",
                                         [](SfdRunSettings& s) { s.sfdFile = "empty.sfd"; },
                                         {{"empty.sfd", "# 01 0x4E00\n\n"}},
                                         RunOutcome::Stopped,
                                         Warning(NoSubfontText("empty.sfd")),
                                         NoSubfontText("empty.sfd"),
                                         {}},
                                 SfdCase{
                                     "AMissingFileStopsTheRun",
                                     [](SfdRunSettings& s) { s.sfdFile = "100%.sfd"; },
                                     {},
                                     RunOutcome::Stopped,
                                     Warning(
                                         "Failed to open the subfont definition file 100%.sfd!\n"),
                                     "Failed to open the subfont definition file 100%.sfd!\n",
                                     {}},
                                 SfdCase{"AFontNameWithAPathSeparatorStopsTheRunFirst",
                                         [](SfdRunSettings& s) { s.fontList = "zzsong ../zzkai"; },
                                         {},
                                         RunOutcome::Stopped,
                                         Warning(NameLeavesDirectoryText("../zzkai")),
                                         std::nullopt,
                                         {}},
                                 SfdCase{"AnEmptyTfmDirectoryStopsTheRunFirst",
                                         [](SfdRunSettings& s) { s.tfmDirectory = ""; },
                                         {},
                                         RunOutcome::Stopped,
                                         Warning(std::string(kPleaseSetText)),
                                         std::nullopt,
                                         {}}),
                         [](const ::testing::TestParamInfo<SfdCase>& info) {
                             return info.param.name;
                         });

} // namespace
} // namespace glyphsmith::test
