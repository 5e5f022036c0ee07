#pragma once

#include "CalendarDate.h"
#include "GenerationSettings.h"
#include "RunReporter.h"

namespace glyphsmith {

// Writes the .htf files of every gbk* family of .enc files under encDirectory, taking
// the Unicode values from the code page 936 table.
RunOutcome RunGenerator2(const GenerationSettings& settings, RunReporter& reporter,
                         const Clock& clock = LocalToday);

} // namespace glyphsmith
