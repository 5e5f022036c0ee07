#include "RunFrame.h"

#include "Paths.h"

namespace glyphsmith {

bool WarnIfAnyEmpty(RunReporter& reporter, std::initializer_list<const std::string*> paths) {
    for (const std::string* path : paths) {
        if (path->empty()) {
            reporter.Warn(kPleaseSetText);
            return true;
        }
    }
    return false;
}

std::optional<RunLog> OpenRunLog(const RunContext& context) {
    std::optional<RunLog> log = RunLog::Open(JoinPath(context.workingDirectory, kRunLogFile));
    if (!log) {
        context.reporter.Warn(kLogOpenFailedText);
    }
    return log;
}

std::optional<GeneratorStart> StartGeneratorRun(const RunContext& context, WorkScope& wait) {
    std::optional<RunLog> log = RunLog::Open(JoinPath(context.workingDirectory, kRunLogFile));
    if (!log) {
        wait.End();
        context.reporter.Warn(kLogOpenFailedText);
        return std::nullopt;
    }
    std::optional<CopyrightTemplate> copyright =
        CopyrightTemplate::Load(JoinPath(context.workingDirectory, kCopyrightTemplateFile));
    if (!copyright) {
        log->Close();
        wait.End();
        context.reporter.Warn(kTemplateOpenFailedText);
        return std::nullopt;
    }
    return GeneratorStart{std::move(*log), std::move(*copyright)};
}

RunOutcome FinishRun(RunReporter& reporter, RunLog& log, WorkScope& wait,
                     std::string_view successText, std::string_view failureText) {
    const bool logWritten = log.Close();
    wait.End();
    if (!logWritten) {
        reporter.Warn(std::string(log.HasFailures() ? failureText : successText) + "\n" +
                      std::string(kLogWriteFailedText));
        return RunOutcome::CompletedWithFailures;
    }
    if (log.HasFailures()) {
        reporter.Warn(failureText);
        return RunOutcome::CompletedWithFailures;
    }
    reporter.Inform(successText);
    return RunOutcome::Completed;
}

} // namespace glyphsmith
