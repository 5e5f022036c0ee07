#pragma once

#include "RunLog.h"

#include <string>
#include <string_view>

namespace glyphsmith {

// Counts the written codes of one .htf file whose value one input could not give, and
// notes the first place in a log line that names the input and its line.
class InputShortage {
  public:
    explicit InputShortage(std::string input) : input_(std::move(input)) {}

    void Record(int line, std::string_view reason);

    // "enc/gbksong/gbksong94.enc:201: the file has ended; 56 codes of
    // ../ht-fonts/unicode/cjk/gbksong/gbksong94.htf are written without a character"
    void Report(RunLog& log, const std::string& htfPath) const;

  private:
    std::string input_;
    int count_ = 0;
    int line_ = 0;
    std::string reason_;
};

} // namespace glyphsmith
