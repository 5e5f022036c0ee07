// SPDX-License-Identifier: MIT
#include "LineReader.h"

namespace glyphsmith {

bool LineReader::Next(std::string& line) {
    if (!std::getline(in_, line)) {
        return false;
    }
    ++lineNumber_;
    hadLineEnd_ = !in_.eof();
    if (hadLineEnd_ && !line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

} // namespace glyphsmith
