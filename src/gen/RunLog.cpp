#include "RunLog.h"

#include "Files.h"
#include "SubfontRangeTable.h"

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

std::string_view SeriesSuffix(int subfont) {
    return subfont < kSubfontCount ? "Go to the next file!\n" : "\n";
}

void LogFileFailure(RunLog& log, std::string_view failure, const std::string& path, int subfont) {
    log.Fail(std::string(failure) + " " + path + "!" + std::string(SeriesSuffix(subfont)));
}

} // namespace glyphsmith
