#include "RunFrame.h"

namespace glyphsmith {

bool WarnIfAnyEmpty(RunUi& ui, std::initializer_list<const std::string*> paths) {
    for (const std::string* path : paths) {
        if (path->empty()) {
            ui.Warn(kPleaseSetText);
            return true;
        }
    }
    return false;
}

std::optional<RunLog> OpenRunLog(RunUi& ui) {
    std::optional<RunLog> log = RunLog::Open();
    if (!log) {
        ui.Warn(kLogOpenFailedText);
    }
    return log;
}

std::optional<GeneratorStart> StartGeneratorRun(RunUi& ui, WaitCursor& wait) {
    std::optional<RunLog> log = RunLog::Open();
    if (!log) {
        wait.End();
        ui.Warn(kLogOpenFailedText);
        return std::nullopt;
    }
    std::optional<CopyrightTemplate> copyright = CopyrightTemplate::Load();
    if (!copyright) {
        log->Close();
        wait.End();
        ui.Warn(kTemplateOpenFailedText);
        return std::nullopt;
    }
    return GeneratorStart{std::move(*log), std::move(*copyright)};
}

RunOutcome FinishRun(RunUi& ui, RunLog& log, WaitCursor& wait, std::string_view successText,
                     std::string_view failureText) {
    const bool logWritten = log.Close();
    wait.End();
    if (!logWritten) {
        ui.Warn(std::string(log.HasFailures() ? failureText : successText) + "\n" +
                std::string(kLogWriteFailedText));
        return RunOutcome::CompletedWithFailures;
    }
    if (log.HasFailures()) {
        ui.Warn(failureText);
        return RunOutcome::CompletedWithFailures;
    }
    ui.Inform(successText);
    return RunOutcome::Completed;
}

} // namespace glyphsmith
