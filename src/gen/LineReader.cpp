// SPDX-License-Identifier: MIT
#include "LineReader.h"

#include <cstring>

namespace glyphsmith {

bool LineReader::Next(std::string& line) {
    // Taken from the stream's buffer in blocks: a line costs a search for its end and one
    // copy, where the stream's own line reading costs several calls per line.
    line.clear();
    bool readAny = false;
    hadLineEnd_ = false;
    while (!hadLineEnd_ && (next_ < end_ || Refill())) {
        readAny = true;
        const char* start = block_.get() + next_;
        const std::size_t available = end_ - next_;
        const void* lineEnd = std::memchr(start, '\n', available);
        const std::size_t length =
            lineEnd ? static_cast<std::size_t>(static_cast<const char*>(lineEnd) - start)
                    : available;
        line.append(start, length);
        hadLineEnd_ = lineEnd != nullptr;
        next_ += hadLineEnd_ ? length + 1 : length;
    }
    if (!readAny) {
        return false;
    }
    ++lineNumber_;
    if (hadLineEnd_ && !line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

bool LineReader::Refill() {
    if (!in_.good()) {
        return false;
    }
    if (!block_) {
        block_ = std::make_unique_for_overwrite<char[]>(kBlockSize);
    }
    const std::streamsize read =
        in_.rdbuf()->sgetn(block_.get(), static_cast<std::streamsize>(kBlockSize));
    next_ = 0;
    end_ = read > 0 ? static_cast<std::size_t>(read) : 0;
    if (end_ == 0) {
        in_.setstate(std::ios::eofbit);
    }
    return end_ > 0;
}

} // namespace glyphsmith
