#include "RunTexts.h"

#include "CodePageTable.h"
#include "InputShortage.h"
#include "SubfontRangeTable.h"

namespace glyphsmith {

namespace {

std::string Text(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) {
        text.append(part);
    }
    return text;
}

} // namespace

std::string_view SeriesSuffix(int subfont) {
    return subfont < kSubfontCount ? "Go to the next file!\n" : "\n";
}

std::string FileFailureLine(std::string_view failure, std::string_view path, int subfont) {
    return Text({failure, " ", path, "!", SeriesSuffix(subfont)});
}

std::string NameLeavesDirectoryText(std::string_view name) {
    return Text({"The font name \"", name,
                 "\" holds a path separator (\"/\" or \"\\\"), which would put its files "
                 "outside the directory. Please type the name without it!"});
}

std::string SameDirectoryText(std::string_view source, std::string_view target) {
    return Text({"Cannot clone a family onto itself: ", source, " and ", target,
                 " are the same directory!"});
}

std::string Generator1DirectoryFailedText(std::string_view directory) {
    return Text({"Fail to create the directory ", directory, "!\n"});
}

std::string DirectoryFailedText(std::string_view directory, std::string_view lineEnds) {
    return Text({"Failed to create the directory ", directory, "!", lineEnds});
}

std::string SfdOpenFailedText(std::string_view path) {
    return Text({"Failed to open UGBK.sfd file ", path, "\n!"});
}

std::string NameRefusedText(std::string_view name) {
    return Text({"Refused the font name ", name, ": it holds a path separator!\n"});
}

std::string NoEncFilesText(std::string_view directory) {
    return Text({"There are no any .enc files in ", directory, "!\n"});
}

std::string EncFontFoundText(std::string_view stem) {
    return Text({stem, "xx.enc files are found, ", stem, "xx.htf files are generating...\n"});
}

std::string CodePageOpenFailedText(std::string_view path) {
    return Text({"Failed to open MS codepage file ", path, "\n!"});
}

std::string TableWithoutMarkerNote(std::string_view path, int lastLine) {
    return InputNote(path, std::nullopt,
                     EndedWithoutMarker("the table", lastLine, kCodePageMarker) +
                         ", so it gives no values") +
           "\n";
}

std::string InvalidHtfText(std::string_view fileName) {
    return Text({"Invalid htf file - ", fileName, "!\n"});
}

std::string ShortCloneSourceNote(std::string_view source, int lastLine, std::string_view target,
                                 int copiedRows, int rows) {
    return InputNote(source, std::nullopt,
                     EndedAfterLine("the file", lastLine) + ", so " + std::string(target) +
                         " has " + std::to_string(copiedRows) + " of its " + std::to_string(rows) +
                         " rows") +
           "\n";
}

} // namespace glyphsmith
