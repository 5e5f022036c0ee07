// SPDX-License-Identifier: MIT
#include "InputShortage.h"

namespace glyphsmith {

std::string InputNote(std::string_view input, std::optional<int> line, std::string_view reason) {
    std::string note(input);
    if (line) {
        note.append(":").append(std::to_string(*line));
    }
    return note.append(": ").append(reason);
}

std::string EndedAfterLine(std::string_view input, int lastLine) {
    return std::string(input) + " has ended after line " + std::to_string(lastLine);
}

std::string EndedWithoutMarker(std::string_view input, int lastLine, std::string_view marker) {
    return EndedAfterLine(input, lastLine) + " with no line that holds \"" + std::string(marker) +
           "\"";
}

void InputShortage::Report(RunLog& log, const std::string& htfPath) const {
    if (count_ == 0) {
        return;
    }
    const char* codes = count_ == 1 ? " code of " : " codes of ";
    const char* verb = count_ == 1 ? " is" : " are";
    log.Fail(InputNote(input_, line_, reason_) + "; " + std::to_string(count_) + codes + htfPath +
             verb + " written without a character\n");
}

} // namespace glyphsmith
