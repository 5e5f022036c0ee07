// SPDX-License-Identifier: MIT
#include "LineReader.h"

#include <cstring>

namespace glyphsmith {

bool LineReader::Next(std::string_view& line) {
    // Taken from the stream's buffer in blocks: a line costs a search for its end, and is
    // copied only where it runs on past its block.
    if (next_ == end_ && !Refill()) {
        return false;
    }
    line = TakeUpToLineEnd();
    if (!hadLineEnd_) {
        spill_.assign(line);
        while (!hadLineEnd_ && Refill()) {
            spill_.append(TakeUpToLineEnd());
        }
        line = spill_;
    }
    ++lineNumber_;
    if (hadLineEnd_ && line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return true;
}

bool LineReader::Next(std::string& line) {
    std::string_view view;
    if (!Next(view)) {
        return false;
    }
    line.assign(view);
    return true;
}

std::string_view LineReader::TakeUpToLineEnd() {
    const char* start = block_.get() + next_;
    const std::size_t available = end_ - next_;
    const auto* lineEnd = static_cast<const char*>(std::memchr(start, '\n', available));
    hadLineEnd_ = lineEnd != nullptr;
    const std::size_t length = hadLineEnd_ ? static_cast<std::size_t>(lineEnd - start) : available;
    next_ += hadLineEnd_ ? length + 1 : length;
    return {start, length};
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
