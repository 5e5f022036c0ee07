#include "SubfontSeries.h"

#include "FamilyPaths.h"
#include "RunFrame.h"
#include "SubfontRangeTable.h"

namespace glyphsmith {

RunOutcome RunSubfontSeries(RunReporter& reporter, const std::string& familyDirectory,
                            const SeriesTexts& texts, const SubfontStep& step) {
    std::optional<RunLog> log = OpenRunLog(reporter);
    if (!log) {
        return RunOutcome::Stopped;
    }
    if (!MakeFamilyDirectory(familyDirectory, texts.directoryLineEnds, *log, reporter)) {
        return RunOutcome::Stopped;
    }
    WorkScope wait(reporter);
    for (int subfont = 1; subfont <= kSubfontCount; ++subfont) {
        step(*log, subfont);
    }
    return FinishRun(reporter, *log, wait, texts.success, texts.failure);
}

} // namespace glyphsmith
