// SPDX-License-Identifier: MIT
#pragma once

#include "GenerationSettings.h"
#include "RunContext.h"

#include <string>
#include <string_view>

namespace glyphsmith {

// An alias family name of more than two bytes that ends in a lower-case "sl" (songsl)
// turns italic on. True when the rule fired, so that the window can show the check box
// anew.
bool ApplySlRule(std::string_view aliasFamily, GenerationSettings& settings);

// The alias file of one subfont: the target's subfont name, and the "htfcss:" line with an
// empty line after it when bold, italic or a font family asks for one.
std::string AliasFileText(const std::string& targetFamily, const std::string& aliasFamily,
                          int subfont, const GenerationSettings& settings);

// Writes the 94 alias files of aliasFamily in settings.aliasDirectory, each pointing to
// the same subfont of targetFamily, which is written as typed. Refuses an alias name that
// would leave the directory.
RunOutcome RunAlias(const std::string& targetFamily, const std::string& aliasFamily,
                    const GenerationSettings& settings, const RunContext& context);

} // namespace glyphsmith
