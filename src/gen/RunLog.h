// SPDX-License-Identifier: MIT
#pragma once

#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace glyphsmith {

inline constexpr const char* kRunLogFile = "log.txt";

// The run log, "log.txt" in the working directory, emptied by every run that opens it.
// Lines are written exactly as formed; a per cent sign is never read as a format.
class RunLog {
  public:
    static std::optional<RunLog> Open(const std::string& path);

    // A progress line, which a clean run may write.
    void Write(std::string_view text) { out_ << text; }
    // A failure line or a note about bad input: the run then closes with a warning.
    void Fail(std::string_view text);
    bool HasFailures() const { return hasFailures_; }
    // False when a line could not be written.
    bool Close();

  private:
    explicit RunLog(std::ofstream out) : out_(std::move(out)) {}

    std::ofstream out_;
    bool hasFailures_ = false;
};

} // namespace glyphsmith
