#pragma once

#include "CopyrightTemplate.h"
#include "RunContext.h"
#include "RunLog.h"
#include "RunReporter.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace glyphsmith {

inline constexpr std::string_view kPleaseSetText = "Please set the related information firstly!";
inline constexpr std::string_view kLogOpenFailedText = "Failed to create/open the log file!";
inline constexpr std::string_view kTemplateOpenFailedText = "Failed to open copyright.txt!\n";
inline constexpr std::string_view kAllHtfCreatedText = "All .htf files have been created!";
inline constexpr std::string_view kSomeHtfFailedText =
    "Some .htf files could not be created; see log.txt for details.";
inline constexpr std::string_view kLogWriteFailedText =
    "Failed to write the log file; log.txt may lack lines!";

// The run's work for a scope; End() ends it early, before a closing message.
class WorkScope {
  public:
    explicit WorkScope(RunReporter& reporter) : reporter_(reporter) { reporter_.WorkBegins(); }
    ~WorkScope() { End(); }
    WorkScope(const WorkScope&) = delete;
    WorkScope& operator=(const WorkScope&) = delete;

    void End() {
        if (working_) {
            working_ = false;
            reporter_.WorkEnds();
        }
    }

  private:
    RunReporter& reporter_;
    bool working_ = true;
};

// Shows the warning for an empty path that the run needs; true when one is empty.
bool WarnIfAnyEmpty(RunReporter& reporter, std::initializer_list<const std::string*> paths);

// Opens the run log, or shows why it cannot be opened.
std::optional<RunLog> OpenRunLog(const RunContext& context);

// What a generator opens before its work: the run log and the template.
struct GeneratorStart {
    RunLog log;
    CopyrightTemplate copyright;
};

// Opens the run log and the template under the wait cursor; on failure ends the wait
// cursor and shows the warning.
std::optional<GeneratorStart> StartGeneratorRun(const RunContext& context, WorkScope& wait);

// Closes the log, ends the wait cursor and shows the closing message: the success text
// only when the log holds nothing but progress lines. A log that could not be written
// adds a line and makes the message a warning, since the log lacks what it should say.
RunOutcome FinishRun(RunReporter& reporter, RunLog& log, WorkScope& wait,
                     std::string_view successText, std::string_view failureText);

} // namespace glyphsmith
