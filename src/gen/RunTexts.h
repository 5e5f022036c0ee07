// SPDX-License-Identifier: MIT
#pragma once

#include "CodePageTable.h"
#include "InputShortage.h"
#include "SubfontRangeTable.h"

#include <string>
#include <string_view>

// Every message and log line of the runs, so that a text is changed in one place and a new
// run says things as the others do. Paths and names appear as the run formed them.
namespace glyphsmith {

inline constexpr std::string_view kPleaseSetText = "Please set the related information firstly!";
inline constexpr std::string_view kLogOpenFailedText = "Failed to create/open the log file!";
inline constexpr std::string_view kTemplateOpenFailedText = "Failed to open copyright.txt!\n";
inline constexpr std::string_view kLogWriteFailedText =
    "Failed to write the log file; log.txt may lack lines!";

// A run's closing message: the success text only when the log holds nothing but progress
// lines.
struct ClosingTexts {
    std::string_view success;
    std::string_view failure;
};
inline constexpr ClosingTexts kHtfClosingTexts{
    "All .htf files have been created!",
    "Some .htf files could not be created; see log.txt for details."};
inline constexpr ClosingTexts kAliasClosingTexts{
    "All alias .htf files have been created!",
    "Some alias .htf files could not be created; see log.txt for details."};

// The failure lines of a run's output file that cannot be created or written.
struct FileFailureTexts {
    std::string_view create;
    std::string_view write;
};
inline constexpr FileFailureTexts kGenerator1Files{"Fail to create .htf file",
                                                   "Fail to write .htf file"};
inline constexpr FileFailureTexts kGenerator2Files{"Failed to create .htf file",
                                                   "Failed to write .htf file"};
inline constexpr FileFailureTexts kClonedFiles{"Failed to create cloned .htf file",
                                               "Failed to write cloned .htf file"};
inline constexpr FileFailureTexts kAliasFiles{"Failed to create the alias .htf file",
                                              "Failed to write the alias .htf file"};
// The sfd run words its failures as the runs after Generator 1 do.
inline constexpr FileFailureTexts kSfdFiles = kGenerator2Files;
inline constexpr std::string_view kEncOpenFailure = "Failed to open .enc file";
inline constexpr std::string_view kCloneSourceOpenFailure = "Failed to open source .htf file";

// Where a file stands in the series of its font's files: a failure line says that the
// walk goes on after every file but the last.
enum class SeriesPlace { GoesOn, Last };
inline SeriesPlace PlaceOfSubfont(int subfont) {
    return subfont < kSubfontCount ? SeriesPlace::GoesOn : SeriesPlace::Last;
}
inline std::string_view SeriesSuffix(SeriesPlace place) {
    return place == SeriesPlace::GoesOn ? "Go to the next file!\n" : "\n";
}

// "<failure> <path>!" with the series suffix.
inline std::string FileFailureLine(std::string_view failure, const std::string& path,
                                   SeriesPlace place) {
    return std::string(failure) + " " + path + "!" + std::string(SeriesSuffix(place));
}

inline std::string NameLeavesDirectoryText(const std::string& name) {
    return "The font name \"" + name +
           "\" holds a path separator (\"/\" or \"\\\"), which would put its files outside the "
           "directory. Please type the name without it!";
}

inline std::string SameDirectoryText(const std::string& source, const std::string& target) {
    return "Cannot clone a family onto itself: " + source + " and " + target +
           " are the same directory!";
}

// A font's directory that cannot be made: Generator 1's log line, and the others' text
// with the line ends of its run.
inline std::string Generator1DirectoryFailedText(const std::string& directory) {
    return "Fail to create the directory " + directory + "!\n";
}
inline std::string DirectoryFailedText(const std::string& directory, std::string_view lineEnds) {
    return "Failed to create the directory " + directory + "!" + std::string(lineEnds);
}

inline std::string SfdOpenFailedText(const std::string& path) {
    return "Failed to open UGBK.sfd file " + path + "\n!";
}

inline std::string SfdFileOpenFailedText(const std::string& path) {
    return "Failed to open the subfont definition file " + path + "!\n";
}

inline std::string NativeCodesText(const std::string& path) {
    return "The subfont definition file " + path +
           " gives the native codes of its encoding, not Unicode values, so no .htf file can "
           "name its characters. Please take a file of Unicode values, such as Unicode.sfd or "
           "the U*.sfd files of the CJK package!\n";
}

inline std::string NoTextFileText(const std::string& path, int line) {
    return "The subfont definition file " + path + " holds a NUL byte in line " +
           std::to_string(line) +
           ", so it is no text file (a binary file, or text saved as UTF-16). Please take a "
           "subfont definition file in plain text!\n";
}

// The faults of a subfont definition file beyond those that the log lists one by one.
inline std::string NotesLeftOutText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " further fault is" : " further faults are") +
           " not listed";
}

inline std::string NoSubfontText(const std::string& path) {
    return "The subfont definition file " + path + " defines no subfont!\n";
}

inline std::string UndefinedSubfontText(const std::string& path, const std::string& name) {
    return "The subfont definition file " + path + " defines no subfont \"" + name + "\"!\n";
}

inline std::string BackwardSubfontRangeText(const std::string& path, const std::string& range) {
    return "The subfont range \"" + range + "\" runs backwards: its last subfont comes before " +
           "its first in " + path + "!\n";
}

inline std::string EmptySubfontListText(const std::string& list) {
    return "The subfont list \"" + list + "\" names no subfont!\n";
}

// A TFM file that is no TFM file: why, and that its subfont gets no .htf file.
inline std::string RefusedTfmNote(const std::string& refusal, const std::string& htfPath) {
    return refusal + ", so " + htfPath + " is not written\n";
}

// The line before the sfd run's closing message: "Wrote 3 .htf files", then with TFM files
// "; 1 subfont had no TFM file", and a full stop.
inline std::string WroteFilesText(int written) {
    return "Wrote " + std::to_string(written) + (written == 1 ? " .htf file" : " .htf files");
}

inline std::string WithoutTfmText(int subfonts) {
    return "; " + std::to_string(subfonts) + (subfonts == 1 ? " subfont had" : " subfonts had") +
           " no TFM file";
}

inline std::string NameRefusedText(const std::string& name) {
    return "Refused the font name " + name + ": it holds a path separator!\n";
}

inline std::string NoEncFilesText(const std::string& directory) {
    return "There are no any .enc files in " + directory + "!\n";
}

inline std::string EncFontFoundText(const std::string& stem) {
    return stem + "xx.enc files are found, " + stem + "xx.htf files are generating...\n";
}

inline std::string CodePageOpenFailedText(const std::string& path) {
    return "Failed to open MS codepage file " + path + "\n!";
}

inline std::string TableWithoutMarkerNote(const std::string& path, int lastLine) {
    return InputNote(path, std::nullopt,
                     EndedWithoutMarker("the table", lastLine, kCodePageMarker) +
                         ", so it gives no values") +
           "\n";
}

inline std::string InvalidHtfText(const std::string& fileName) {
    return "Invalid htf file - " + fileName + "!\n";
}

inline std::string ShortCloneSourceNote(const std::string& source, int lastLine,
                                        const std::string& target, int copiedRows, int rows) {
    return InputNote(source, std::nullopt,
                     EndedAfterLine("the file", lastLine) + ", so " + target + " has " +
                         std::to_string(copiedRows) + " of its " + std::to_string(rows) + " rows") +
           "\n";
}

// What the programs say when an error that no run expects ends a run.
inline std::string UnexpectedStopText(const std::string& reason) {
    return "The run stopped on an unexpected error: " + reason +
           ". Every .htf file is whole or as it was before; log.txt may lack lines.";
}

} // namespace glyphsmith
