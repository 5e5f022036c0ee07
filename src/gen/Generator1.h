// SPDX-License-Identifier: MIT
#pragma once

#include "GenerationSettings.h"
#include "RunContext.h"

#include <string>
#include <string_view>
#include <vector>

namespace glyphsmith {

// The families of a font list: the runs of characters between blanks, taken as typed.
// Only the blank separates; tabs belong to the names, and "gbk" is never stripped.
std::vector<std::string> SplitFontList(std::string_view fontList);

// Writes the 94 .htf files of every family of fontList from the subfont definition file
// sfdFile, each into the directory of its font (gbksong for song) under htfDirectory. The
// window has shown the list prompt and copied its controls into settings before.
RunOutcome RunGenerator1(const std::string& fontList, const GenerationSettings& settings,
                         const RunContext& context);

} // namespace glyphsmith
