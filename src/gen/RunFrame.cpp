// SPDX-License-Identifier: MIT
#include "RunFrame.h"

#include "EnsureDirectory.h"
#include "Paths.h"

#include <algorithm>

namespace glyphsmith {

bool RunFrame::RequirePaths(std::initializer_list<const std::string*> paths) {
    for (const std::string* path : paths) {
        if (path->empty()) {
            Stop(kPleaseSetText);
            return false;
        }
    }
    return true;
}

bool RunFrame::RequireNamesInDirectory(std::initializer_list<const std::string*> names) {
    for (const std::string* name : names) {
        if (HoldsPathSeparator(*name)) {
            Stop(NameLeavesDirectoryText(*name));
            return false;
        }
    }
    return true;
}

bool RunFrame::StartGenerator() {
    BeginWork();
    if (!OpenLog()) {
        return false;
    }
    template_ =
        CopyrightTemplate::Load(JoinPath(context_.workingDirectory, kCopyrightTemplateFile));
    if (!template_) {
        Stop(kTemplateOpenFailedText);
        return false;
    }
    return true;
}

bool RunFrame::StartSeries(const std::string& fontDirectory, std::string_view directoryFailedText,
                           FontNames names) {
    if (!OpenLog() ||
        !MakeDirectory(fontDirectory, directoryFailedText, DirectoryFailure::Stops, names)) {
        return false;
    }
    BeginWork();
    return true;
}

// A directory whose name the system would change is not made at all: it would be the
// directory of another name, whose files would then mix with these.
bool RunFrame::MakeDirectory(const std::string& path, std::string_view failedText,
                             DirectoryFailure how, FontNames names) {
    const bool changed = std::any_of(names.begin(), names.end(), [](const std::string* name) {
        return EndDroppedBySystem(*name);
    });
    if (!changed && EnsureDirectory(path)) {
        return true;
    }
    if (how == DirectoryFailure::Stops) {
        StopLogged(failedText);
        return false;
    }
    log_->Fail(failedText);
    if (how == DirectoryFailure::LoggedAndShown) {
        context_.reporter.Warn(failedText);
    }
    return false;
}

FileWritten RunFrame::WriteFile(const std::string& path, SeriesPlace place,
                                const FileFailureTexts& failures,
                                const std::function<void(std::ostream&)>& write) {
    OutputFile file(path, outputs_);
    if (!file.IsOpen()) {
        log_->Fail(FileFailureLine(failures.create, path, place));
        return FileWritten::NotCreated;
    }
    write(file.Stream());
    if (!file.Commit()) {
        log_->Fail(FileFailureLine(failures.write, path, place));
        return FileWritten::Failed;
    }
    return FileWritten::Whole;
}

RunOutcome RunFrame::Stop(std::string_view warning) {
    if (log_) {
        log_->Close();
    }
    EndWork();
    context_.reporter.Warn(warning);
    return RunOutcome::Stopped;
}

RunOutcome RunFrame::StopLogged(std::string_view text) {
    log_->Fail(text);
    return Stop(text);
}

RunOutcome RunFrame::Finish(const ClosingTexts& texts, const std::string& summary) {
    const bool logWritten = log_->Close();
    EndWork();
    const std::string closing = (summary.empty() ? "" : summary + "\n") +
                                std::string(log_->HasFailures() ? texts.failure : texts.success);
    if (!logWritten) {
        context_.reporter.Warn(closing + "\n" + std::string(kLogWriteFailedText));
        return RunOutcome::CompletedWithFailures;
    }
    if (log_->HasFailures()) {
        context_.reporter.Warn(closing);
        return RunOutcome::CompletedWithFailures;
    }
    context_.reporter.Inform(closing);
    return RunOutcome::Completed;
}

bool RunFrame::OpenLog() {
    log_ = RunLog::Open(JoinPath(context_.workingDirectory, kRunLogFile));
    if (!log_) {
        Stop(kLogOpenFailedText);
        return false;
    }
    return true;
}

void RunFrame::BeginWork() {
    working_ = true;
    context_.reporter.WorkBegins();
}

void RunFrame::EndWork() {
    outputs_.Close();
    if (working_) {
        working_ = false;
        context_.reporter.WorkEnds();
    }
}

} // namespace glyphsmith
