#pragma once

#include "GenerationSettings.h"
#include "RunUi.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace glyphsmith {

// The first and last code that the first line of an .htf file announces, each reduced to
// its low eight bits (256 is 0, -1 is 255).
struct CodeRange {
    int first;
    int last;

    bool operator==(const CodeRange&) const = default;
};

// Reads the code range from the first line of an .htf file. The font name and one
// separator, `skipped` bytes, are passed over unread; two decimal numbers follow, each
// after optional white space and with an optional sign; anything after them is ignored.
std::optional<CodeRange> ReadCodeRange(std::string_view firstLine, std::size_t skipped);

// Copies every .htf file of the family clonedFrom in settings.htfDirectory into the new
// family clonedTo beside it: the rows unchanged, the first and last lines with the new
// font name. Refuses names that leave the directory or that name the same family.
RunOutcome RunCloning(const std::string& clonedFrom, const std::string& clonedTo,
                      const GenerationSettings& settings, RunUi& ui);

} // namespace glyphsmith
