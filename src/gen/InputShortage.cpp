#include "InputShortage.h"

namespace glyphsmith {

void InputShortage::Record(int line, std::string_view reason) {
    if (count_++ == 0) {
        line_ = line;
        reason_ = reason;
    }
}

void InputShortage::Report(RunLog& log, const std::string& htfPath) const {
    if (count_ == 0) {
        return;
    }
    const char* codes = count_ == 1 ? " code of " : " codes of ";
    const char* verb = count_ == 1 ? " is" : " are";
    log.Fail(input_ + ":" + std::to_string(line_) + ": " + reason_ + "; " + std::to_string(count_) +
             codes + htfPath + verb + " written without a character\n");
}

} // namespace glyphsmith
