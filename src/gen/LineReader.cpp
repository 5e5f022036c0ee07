// SPDX-License-Identifier: MIT
#include "LineReader.h"

namespace glyphsmith {

bool LineReader::NextAcrossBlocks(std::string_view& line) {
    // Taken from the stream's buffer in blocks: a line is copied only where it runs on past
    // its block.
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
    line = Counted(line);
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

int LineReader::AppendLines(std::string& text, int count) {
    int appended = AppendLinesInBlock(text, count);
    std::string_view line;
    // A block's first line, or one across its end, or the last without a line end.
    while (appended < count && Next(line)) {
        text.append(line).push_back('\n');
        ++appended;
        appended += AppendLinesInBlock(text, count - appended);
    }
    return appended;
}

int LineReader::AppendLinesInBlock(std::string& text, int count) {
    const char* span = next_;
    const char* lineStart = next_;
    int appended = 0;
    for (; appended < count; ++appended) {
        const char* lineEnd = LineEndAfter(lineStart);
        if (lineEnd == nullptr) {
            break;
        }
        if (lineEnd != lineStart && lineEnd[-1] == '\r') { // a CR LF, whose CR is left out
            text.append(span, lineEnd - 1);
            span = lineEnd;
        }
        lineStart = lineEnd + 1;
    }
    text.append(span, lineStart);
    next_ = lineStart;
    lineNumber_ += appended;
    hadLineEnd_ = hadLineEnd_ || appended > 0;
    return appended;
}

std::string_view LineReader::TakeUpToLineEnd() {
    const char* start = next_;
    const char* lineEnd = LineEndAfter(next_);
    hadLineEnd_ = lineEnd != nullptr;
    next_ = hadLineEnd_ ? lineEnd + 1 : end_;
    return {start, hadLineEnd_ ? lineEnd : end_};
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
    next_ = block_.get();
    end_ = next_ + (read > 0 ? read : 0);
    if (end_ == next_) {
        in_.setstate(std::ios::eofbit);
    }
    return end_ != next_;
}

} // namespace glyphsmith
