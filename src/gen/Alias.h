#pragma once

#include "GenerationSettings.h"
#include "RunContext.h"

#include <string>
#include <string_view>

namespace glyphsmith {

inline constexpr std::string_view kAllAliasCreatedText = "All alias .htf files have been created!";
inline constexpr std::string_view kSomeAliasFailedText =
    "Some alias .htf files could not be created; see log.txt for details.";

// An alias name of more than two bytes that ends in a lower-case "sl" (songsl) turns
// italic on. True when the rule fired, so that the window can show the check box anew.
bool ApplySlRule(std::string_view aliasFont, GenerationSettings& settings);

// The alias file of one subfont: the target's font name, and the "htfcss:" line with an
// empty line after it when bold, italic or a font family asks for one.
std::string AliasFileText(const std::string& targetFont, const std::string& aliasFont, int subfont,
                          const GenerationSettings& settings);

// Writes the 94 alias files of the family aliasFont in settings.aliasDirectory, each
// pointing to the same subfont of targetFont, which is written as typed. Refuses an alias
// name that would leave the directory.
RunOutcome RunAlias(const std::string& targetFont, const std::string& aliasFont,
                    const GenerationSettings& settings, const RunContext& context);

} // namespace glyphsmith
