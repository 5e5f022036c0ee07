#pragma once

#include "RunContext.h"
#include "RunLog.h"

#include <functional>
#include <string>
#include <string_view>

namespace glyphsmith {

// The texts of a run that writes one family's files subfont by subfont.
struct SeriesTexts {
    std::string_view directoryLineEnds; // after "Failed to create the directory D!"
    std::string_view success;
    std::string_view failure;
};

// Writes the files of one subfont number; a failure goes to the log.
using SubfontStep = std::function<void(RunLog& log, int subfont)>;

// The frame of the cloning and alias runs: opens the run log, makes the family's
// directory (or stops with its warning), then under the wait cursor takes every subfont
// 1 to 94 and closes with the run's message.
RunOutcome RunSubfontSeries(const RunContext& context, const std::string& familyDirectory,
                            const SeriesTexts& texts, const SubfontStep& step);

} // namespace glyphsmith
