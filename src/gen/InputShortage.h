// SPDX-License-Identifier: MIT
#pragma once

#include "RunLog.h"

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace glyphsmith {

// A note about an input names the line at fault, "UGBK.sfd:812: <reason>", or, when the
// input ran out, no line: its reason then says after which line (EndedAfterLine).
std::string InputNote(std::string_view input, std::optional<int> line, std::string_view reason);

// "the file has ended after line 10": the last line read, 0 for an empty input.
std::string EndedAfterLine(std::string_view input, int lastLine);

// "the table has ended after line 3 with no line that holds \"<marker>\"".
std::string EndedWithoutMarker(std::string_view input, int lastLine, std::string_view marker);

// Counts the written codes of one .htf file whose value one input could not give, and
// notes the first place in a log line that names the input and its line.
class InputShortage {
  public:
    explicit InputShortage(std::string input) : input_(std::move(input)) {}

    // A code that the given line could not give; no line when the input has ended.
    void Record(std::optional<int> line, std::string_view reason) {
        Record(line, [reason] { return std::string(reason); });
    }
    // The same with a reason formed by formReason(), which is called for the first code
    // alone: the others are only counted, and an input that ended may lack thousands.
    template <typename FormReason>
    requires std::is_invocable_r_v<std::string, FormReason&>
    void Record(std::optional<int> line, FormReason&& formReason) {
        if (count_++ == 0) {
            line_ = line;
            reason_ = formReason();
        }
    }

    // "enc/gbksong/gbksong94.enc: the file has ended after line 200; 56 codes of
    // ../ht-fonts/unicode/cjk/gbksong/gbksong94.htf are written without a character"
    void Report(RunLog& log, const std::string& htfPath) const;

  private:
    std::string input_;
    int count_ = 0;
    std::optional<int> line_;
    std::string reason_;
};

} // namespace glyphsmith
