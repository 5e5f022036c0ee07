// SPDX-License-Identifier: MIT
#pragma once

#include "CalendarDate.h"
#include "CodeRange.h"
#include "CopyrightTemplate.h"
#include "FontName.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace glyphsmith {

// The character of a code as the row names it, "x" and four hexadecimal digits
// ("x4E02"); none for a code without a character.
using CharacterReference = std::optional<std::string>;

// Gives the reference of each code 0 to 255 in turn. It is asked for every code, so that
// the generator's input stays in step; rowWritten says whether the code's row is written
// at all, so that a missing value of a left-out code needs no complaint.
using CodeSource = std::function<CharacterReference(int code, bool rowWritten)>;

// One .htf file: the font, the name of its subfont ("07", "4e", "0100") and the codes
// whose rows it holds.
struct HtfFileSpec {
    FontName font;
    std::string subfont;
    CodeRange range;
};

// The codes of a GBK subfont's rows: its entry in the range table with blanks discarded,
// all 256 otherwise.
CodeRange GbkCodeRange(int subfont, bool discardBlanks);

// A GBK subfont's file as the generators write it, with the codes of GbkCodeRange.
HtfFileSpec GbkHtfFile(const FontName& font, int subfont, bool discardBlanks);

// "gbksong27 90 172\n": the subfont's font name and the range.
std::string HtfHeaderLine(const HtfFileSpec& file);

// The 17 characters of a row before its template line.
std::string RowText(const CharacterReference& reference, int code);

// The rows of the codes in range, each before its template line and ended by a line end.
// They do not depend on the font, so one forming may serve many files.
std::string FormRows(CodeRange range, const CodeSource& codes);

// Writes header, rows and trailer of one .htf file, each formed row completed by its
// template line.
void WriteFormedHtfFile(std::ostream& out, const HtfFileSpec& file,
                        const CopyrightTemplate& copyright, CalendarDate date,
                        std::string_view rows);

// Writes header, rows and trailer of one .htf file. The date of its dated comments is
// taken from dateOfFile once, before the rows.
void WriteHtfFile(std::ostream& out, const HtfFileSpec& file, const CopyrightTemplate& copyright,
                  const Clock& dateOfFile, const CodeSource& codes);

} // namespace glyphsmith
