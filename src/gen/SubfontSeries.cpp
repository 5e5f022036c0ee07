#include "SubfontSeries.h"

#include "FamilyPaths.h"
#include "RunFrame.h"
#include "SubfontRangeTable.h"

namespace glyphsmith {

RunOutcome RunSubfontSeries(const RunContext& context, const std::string& familyDirectory,
                            const SeriesTexts& texts, const SubfontStep& step) {
    std::optional<RunLog> log = OpenRunLog(context);
    if (!log) {
        return RunOutcome::Stopped;
    }
    if (!MakeFamilyDirectory(familyDirectory, texts.directoryLineEnds, *log, context.reporter)) {
        return RunOutcome::Stopped;
    }
    WorkScope wait(context.reporter);
    for (int subfont = 1; subfont <= kSubfontCount; ++subfont) {
        step(*log, subfont);
    }
    return FinishRun(context.reporter, *log, wait, texts.success, texts.failure);
}

} // namespace glyphsmith
