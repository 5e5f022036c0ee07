// SPDX-License-Identifier: MIT
#pragma once

#include "CodeRange.h"
#include "FontName.h"
#include "GenerationSettings.h"
#include "RunContext.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace glyphsmith {

// Reads the code range from the first line of an .htf file, each code reduced to its low
// eight bits (256 is 0, -1 is 255). As many bytes as the subfont's name and one separator
// take are passed over unread; two decimal numbers follow, each after optional white space
// and with an optional sign; anything after them is ignored.
std::optional<CodeRange> ReadCodeRange(std::string_view firstLine, std::string_view subfontName);

// What cloning one .htf text gave.
struct ClonedFile {
    bool valid;      // the first line announced a code range
    int rows;        // the rows that it announced
    int copiedRows;  // fewer when the source ended early
    int sourceLines; // the lines read from the source
};

// Writes the clone of one source .htf text: a new first line that names the new font and
// its source, the announced rows unchanged, and a new last line. An invalid source
// writes nothing.
ClonedFile CloneHtfText(std::istream& source, std::ostream& target, const FontName& from,
                        const FontName& to, int subfont);

// Copies every .htf file of the family clonedFrom in settings.htfDirectory into the new
// family clonedTo beside it: the rows unchanged, the first and last lines with the new
// font name. Refuses names that leave the directory or that name the same family.
RunOutcome RunCloning(const std::string& clonedFrom, const std::string& clonedTo,
                      const GenerationSettings& settings, const RunContext& context);

} // namespace glyphsmith
