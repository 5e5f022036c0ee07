#pragma once

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
inline constexpr std::string_view kEncOpenFailure = "Failed to open .enc file";
inline constexpr std::string_view kCloneSourceOpenFailure = "Failed to open source .htf file";

// The end of a failure line in a series of subfonts: the walk goes on after 1 to 93.
std::string_view SeriesSuffix(int subfont);

// "<failure> <path>!" with the series suffix.
std::string FileFailureLine(std::string_view failure, std::string_view path, int subfont);

// A typed name that would put its files outside the chosen directory.
std::string NameLeavesDirectoryText(std::string_view name);
// Cloning a family onto itself.
std::string SameDirectoryText(std::string_view source, std::string_view target);

// A font's directory that cannot be made: Generator 1's log line, and the others' text
// with the line ends of its run.
std::string Generator1DirectoryFailedText(std::string_view directory);
std::string DirectoryFailedText(std::string_view directory, std::string_view lineEnds);

// Generator 1.
std::string SfdOpenFailedText(std::string_view path);
std::string NameRefusedText(std::string_view name);

// Generator 2.
std::string NoEncFilesText(std::string_view directory);
std::string EncFontFoundText(std::string_view stem);
std::string CodePageOpenFailedText(std::string_view path);
std::string TableWithoutMarkerNote(std::string_view path, int lastLine);

// Cloning.
std::string InvalidHtfText(std::string_view fileName);
std::string ShortCloneSourceNote(std::string_view source, int lastLine, std::string_view target,
                                 int copiedRows, int rows);

} // namespace glyphsmith
