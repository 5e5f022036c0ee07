#pragma once

#include "CalendarDate.h"
#include "GenerationSettings.h"
#include "RunUi.h"

namespace glyphsmith {

// Writes the .htf files of every gbk* family of .enc files under encDirectory, taking
// the Unicode values from the code page 936 table.
RunOutcome RunGenerator2(const GenerationSettings& settings, RunUi& ui,
                         const Clock& clock = LocalToday);

} // namespace glyphsmith
