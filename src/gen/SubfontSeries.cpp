#include "SubfontSeries.h"

#include "FamilyPaths.h"
#include "RunFrame.h"
#include "SubfontRangeTable.h"

namespace glyphsmith {

RunOutcome RunSubfontSeries(RunUi& ui, const std::string& familyDirectory, const SeriesTexts& texts,
                            const SubfontStep& step) {
    std::optional<RunLog> log = OpenRunLog(ui);
    if (!log) {
        return RunOutcome::Stopped;
    }
    if (!MakeFamilyDirectory(familyDirectory, texts.directoryLineEnds, *log, ui)) {
        return RunOutcome::Stopped;
    }
    WaitCursor wait(ui);
    for (int subfont = 1; subfont <= kSubfontCount; ++subfont) {
        step(*log, subfont);
    }
    return FinishRun(ui, *log, wait, texts.success, texts.failure);
}

} // namespace glyphsmith
