// SPDX-License-Identifier: MIT
#pragma once

#include "CopyrightTemplate.h"
#include "Files.h"
#include "RunContext.h"
#include "RunLog.h"
#include "RunTexts.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace glyphsmith {

// How a run meets a font's directory that cannot be made.
enum class DirectoryFailure {
    Logged,         // a log line; the run goes on with its next font (Generator 1)
    LoggedAndShown, // a log line and the same text as a warning; the run goes on (Generator 2)
    Stops,          // a log line, and the run stops with the text as its warning
};

// What became of an output file that a run wrote.
enum class FileWritten {
    NotCreated, // it could not be created; a failure is logged
    Failed,     // it could not be written whole, so the earlier file stays; a failure is logged
    Whole,
};

// What every run does around its own work: it checks what it was given, opens its log
// (and a generator its template), stops on a warning, and closes with its message. A step
// that returns false has stopped the run and shown why; the run then returns
// RunOutcome::Stopped.
class RunFrame {
  public:
    explicit RunFrame(const RunContext& context) : context_(context) {}
    ~RunFrame() { EndWork(); }
    RunFrame(const RunFrame&) = delete;
    RunFrame& operator=(const RunFrame&) = delete;

    // Stops when a path that the run needs is empty.
    bool RequirePaths(std::initializer_list<const std::string*> paths);
    // Stops when a typed name holds a path separator, since its files would land outside
    // the chosen directory.
    bool RequireNamesInDirectory(std::initializer_list<const std::string*> names);

    // A generator's start: its work begins, then its log and template are opened.
    bool StartGenerator();
    // The typed font names that a directory's path is made of.
    using FontNames = std::initializer_list<const std::string*>;

    // The start of a run that writes the files of one font: the log is opened and the
    // font's directory made before the work begins.
    bool StartSeries(const std::string& fontDirectory, std::string_view directoryFailedText,
                     FontNames names);

    // Makes a directory with every missing parent; on failure logs failedText and deals
    // with it as `how` says. True when the directory is there. A directory made from a font
    // name whose end the system drops (EndDroppedBySystem) fails without a look.
    bool MakeDirectory(const std::string& path, std::string_view failedText, DirectoryFailure how,
                       FontNames names = {});

    // Writes one output file whole through `write`, logging a file that cannot be created
    // or written.
    FileWritten WriteFile(const std::string& path, SeriesPlace place,
                          const FileFailureTexts& failures,
                          const std::function<void(std::ostream&)>& write);

    // What the run's output files share; each run begins with its own, so that its first
    // file in a directory clears what an interrupted run left there, also in a program
    // that makes many runs.
    OutputFiles& Outputs() { return outputs_; }
    RunLog& Log() { return *log_; }
    const CopyrightTemplate& Template() const { return *template_; }
    const Clock& DateOfFile() const { return context_.clock; }

    // Stops the run: the log is closed, the work ends, then the warning is shown.
    RunOutcome Stop(std::string_view warning);
    // Logs the text as a failure and stops with it.
    RunOutcome StopLogged(std::string_view text);

    // Closes the log, ends the work and shows the closing message, after the summary line
    // of a run that gives one. A log that could not be written adds a line and makes the
    // message a warning, since the log lacks what it should say.
    RunOutcome Finish(const ClosingTexts& texts, const std::string& summary = {});

  private:
    bool OpenLog();
    void BeginWork();
    void EndWork();

    const RunContext& context_;
    std::optional<RunLog> log_;
    std::optional<CopyrightTemplate> template_;
    OutputFiles outputs_;
    bool working_ = false;
};

} // namespace glyphsmith
