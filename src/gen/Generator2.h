// SPDX-License-Identifier: MIT
#pragma once

#include "GenerationSettings.h"
#include "RunContext.h"

namespace glyphsmith {

// Writes the .htf files of every gbk* font of .enc files under encDirectory, taking
// the Unicode values from the code page 936 table.
RunOutcome RunGenerator2(const GenerationSettings& settings, const RunContext& context);

} // namespace glyphsmith
