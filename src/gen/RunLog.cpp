// SPDX-License-Identifier: MIT
#include "RunLog.h"

#include "Files.h"

namespace glyphsmith {

std::optional<RunLog> RunLog::Open(const std::string& path) {
    std::ofstream out = CreateOutputFile(path);
    if (!out) {
        return std::nullopt;
    }
    return RunLog(std::move(out));
}

void RunLog::Fail(std::string_view text) {
    hasFailures_ = true;
    out_ << text;
}

bool RunLog::Close() {
    return CloseOutputFile(out_);
}

} // namespace glyphsmith
