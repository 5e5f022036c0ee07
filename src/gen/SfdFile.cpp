// SPDX-License-Identifier: MIT
#include "SfdFile.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace glyphsmith {

namespace {

// Longer than any sound entry ("0x0010FFFF_0x0010FFFF"); what goes beyond is not kept.
constexpr std::size_t kMostTokenLength = 32;

constexpr std::uint64_t kMostValue = 0xFFFFFFFF;

constexpr int kEnd = std::istream::traits_type::eof();

bool IsBlank(int c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

struct SfdToken {
    std::string text; // the first kMostTokenLength characters
    bool tooLong = false;
    char last = 0;
    int line = 0;
};

// Splits the file into tokens and line ends. Comment lines give neither, so that a line
// continued before a comment goes on after it. A ":" ends its token, so that an offset
// stands alone even when an entry follows it without a blank.
class SfdTokenizer {
  public:
    enum class Event { Token, LineEnd, End };

    explicit SfdTokenizer(std::istream& in) : in_(in) {}

    Event Next(SfdToken& token);
    std::optional<int> NulByteLine() const { return nulByteLine_; }

  private:
    int Get();
    void PassOverComment();
    void ReadToken(int c, SfdToken& token);

    std::istream& in_;
    int putBack_ = kEnd;
    int line_ = 1;
    bool lineOpen_ = false;    // the current line has given a character
    bool tokenOnLine_ = false; // the current line has given a token
    std::optional<int> nulByteLine_;
};

int SfdTokenizer::Get() {
    if (putBack_ != kEnd || nulByteLine_) {
        return std::exchange(putBack_, kEnd);
    }
    // The stream buffer itself: a sentry per character would cost more than the reading.
    const int c = in_.rdbuf()->sbumpc();
    if (c == 0) {
        nulByteLine_ = line_;
        return kEnd;
    }
    return c;
}

void SfdTokenizer::PassOverComment() {
    int c = Get();
    while (c != kEnd && c != '\n') {
        c = Get();
    }
    line_ += c == '\n' ? 1 : 0;
    lineOpen_ = false;
}

void SfdTokenizer::ReadToken(int c, SfdToken& token) {
    token = SfdToken{{}, false, 0, line_};
    while (c != kEnd && c != '\n' && !IsBlank(c)) {
        if (token.text.size() < kMostTokenLength) {
            token.text.push_back(static_cast<char>(c));
        } else {
            token.tooLong = true;
        }
        token.last = static_cast<char>(c);
        c = Get();
        if (token.last == ':') {
            break;
        }
    }
    putBack_ = c;
    tokenOnLine_ = true;
}

SfdTokenizer::Event SfdTokenizer::Next(SfdToken& token) {
    for (;;) {
        int c = Get();
        while (IsBlank(c)) {
            lineOpen_ = true;
            c = Get();
        }
        if (c == kEnd && !lineOpen_) {
            return Event::End;
        }
        if (c == kEnd || c == '\n') {
            line_ += c == '\n' ? 1 : 0;
            lineOpen_ = tokenOnLine_ = false;
            return Event::LineEnd;
        }
        lineOpen_ = true;
        if (c == '#' && !tokenOnLine_) {
            PassOverComment();
            continue;
        }
        ReadToken(c, token);
        return Event::Token;
    }
}

// The digits of a number; none for anything else. Values beyond kMostValue stop at
// kMostValue + 1.
std::optional<std::uint64_t> NumberOf(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.size() > 1 && text[0] == '0') {
        base = 8;
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : text) {
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : base;
        if (digit >= base) {
            return std::nullopt;
        }
        value = std::min(value * base + digit, kMostValue + 1);
    }
    return value;
}

bool CanBeInFileName(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte != 0x7F &&
           std::string_view("/\\:*?\"<>|").find(c) == std::string_view::npos;
}

std::string Quoted(const SfdToken& token) {
    return "\"" + token.text + (token.tooLong ? "...\"" : "\"");
}

} // namespace

// Reads the file token by token. A token is taken only when the next event shows whether
// it ends its line, since only a last token can carry the "\" that continues the line.
class SfdReader {
  public:
    explicit SfdReader(std::istream& in) : tokens_(in) {}

    SfdFile Read();

  private:
    void Take(SfdToken token, bool endsLine);
    void StartLine(const SfdToken& name);
    void TakeEntry(const SfdToken& entry);
    void TakeOffset(const SfdToken& entry, std::uint64_t offset);
    void TakeCodes(const SfdToken& entry, std::uint64_t first, std::uint64_t last);
    void Fault(int line, const std::string& reason);

    SfdTokenizer tokens_;
    SfdFile file_;
    std::optional<SfdToken> pending_;
    bool inLine_ = false;
    bool passOver_ = false; // the rest of the line is passed over after a fault
    SfdSubfont* subfont_ = nullptr;
    int position_ = 0;
};

SfdFile SfdReader::Read() {
    SfdToken token;
    for (;;) {
        const SfdTokenizer::Event event = tokens_.Next(token);
        if (pending_) {
            Take(*std::exchange(pending_, std::nullopt), event != SfdTokenizer::Event::Token);
        } else if (event == SfdTokenizer::Event::LineEnd) {
            inLine_ = false;
        }
        if (event == SfdTokenizer::Event::End) {
            file_.nulByteLine_ = tokens_.NulByteLine();
            return std::move(file_);
        }
        if (event == SfdTokenizer::Event::Token) {
            pending_ = std::move(token);
        }
    }
}

void SfdReader::Take(SfdToken token, bool endsLine) {
    const bool continued = endsLine && token.last == '\\';
    if (continued && !token.tooLong) {
        token.text.pop_back();
    }
    if (!token.text.empty()) {
        if (!inLine_) {
            StartLine(token);
        } else if (!passOver_) {
            TakeEntry(token);
        }
    }
    if (endsLine && !continued) {
        inLine_ = false;
    }
}

void SfdReader::StartLine(const SfdToken& name) {
    inLine_ = true;
    passOver_ = false;
    position_ = 0;
    if (name.tooLong || !std::all_of(name.text.begin(), name.text.end(), CanBeInFileName)) {
        Fault(name.line, "the subfont name " + Quoted(name) +
                             (name.tooLong ? " is too long" : " cannot be part of a file name"));
        subfont_ = nullptr;
        return;
    }
    if (file_.Find(name.text) == nullptr && file_.Subfonts().size() >= SfdFile::kMostSubfonts) {
        Fault(name.line, "the subfont " + Quoted(name) + " is one too many: a file names at most " +
                             std::to_string(SfdFile::kMostSubfonts) + " subfonts");
        subfont_ = nullptr;
        return;
    }
    subfont_ = &file_.SubfontNamed(name.text, name.line);
}

void SfdReader::TakeEntry(const SfdToken& entry) {
    const std::string_view text = entry.text;
    const std::size_t range = text.find('_');
    const std::optional<std::uint64_t> first =
        entry.tooLong
            ? std::nullopt
            : NumberOf(text.substr(0, std::min(range, text.size() - (entry.last == ':'))));
    const std::optional<std::uint64_t> last =
        range == std::string_view::npos ? first : NumberOf(text.substr(range + 1));
    if (!first || !last || (entry.last == ':' && range != std::string_view::npos)) {
        Fault(entry.line, Quoted(entry) + " is no code, range a_b or offset n:");
    } else if (*last > kMostValue) {
        Fault(entry.line, Quoted(entry) + " holds a code beyond 0xFFFFFFFF");
    } else if (entry.last == ':') {
        TakeOffset(entry, *first);
    } else {
        TakeCodes(entry, *first, *last);
    }
}

void SfdReader::TakeOffset(const SfdToken& entry, std::uint64_t offset) {
    if (offset >= SfdSubfont::kPositions) {
        Fault(entry.line, "the offset " + Quoted(entry) + " lies past position 255");
        return;
    }
    position_ = static_cast<int>(offset);
}

void SfdReader::TakeCodes(const SfdToken& entry, std::uint64_t first, std::uint64_t last) {
    if (first > last) {
        Fault(entry.line, "the range " + Quoted(entry) + " runs backwards");
        return;
    }
    const std::uint64_t end = position_ + (last - first) + 1;
    if (end > SfdSubfont::kPositions) {
        Fault(entry.line,
              Quoted(entry) + " would take positions past 255 of subfont " + subfont_->Name());
        return;
    }
    const int count = static_cast<int>(end) - position_;
    if (const std::optional<int> taken = subfont_->FirstTaken(position_, count)) {
        Fault(entry.line, Quoted(entry) + " gives position " + std::to_string(*taken) +
                              " of subfont " + subfont_->Name() + " a second value");
        return;
    }
    subfont_->Place(position_, static_cast<std::uint32_t>(first), count);
    position_ += count;
}

void SfdReader::Fault(int line, const std::string& reason) {
    if (file_.notes_.size() < SfdFile::kMostNotes) {
        file_.notes_.push_back({line, reason + "; the rest of the line is passed over"});
    } else {
        ++file_.notesLeftOut_;
    }
    passOver_ = true;
}

std::optional<std::uint32_t> SfdSubfont::Value(int position) const {
    const auto after = std::upper_bound(runs_.begin(), runs_.end(), position,
                                        [](int p, const SfdRun& run) { return p < run.position; });
    if (after == runs_.begin()) {
        return std::nullopt;
    }
    const SfdRun& run = *std::prev(after);
    if (position >= run.position + run.count) {
        return std::nullopt;
    }
    return run.value + static_cast<std::uint32_t>(position - run.position);
}

std::optional<int> SfdSubfont::FirstTaken(int position, int count) const {
    for (int p = position; p < position + count; ++p) {
        if (taken_[p]) {
            return p;
        }
    }
    return std::nullopt;
}

void SfdSubfont::Place(int position, std::uint32_t value, int count) {
    for (int p = position; p < position + count; ++p) {
        taken_.set(p);
    }
    auto at = std::upper_bound(runs_.begin(), runs_.end(), position,
                               [](int p, const SfdRun& run) { return p < run.position; });
    at = runs_.insert(at, {position, value, count});
    // Joins the run with its neighbours where positions and values both go on.
    const auto joins = [](const SfdRun& a, const SfdRun& b) {
        return a.position + a.count == b.position &&
               std::uint64_t{a.value} + static_cast<std::uint64_t>(a.count) == b.value;
    };
    if (std::next(at) != runs_.end() && joins(*at, *std::next(at))) {
        at->count += std::next(at)->count;
        runs_.erase(std::next(at));
    }
    if (at != runs_.begin() && joins(*std::prev(at), *at)) {
        std::prev(at)->count += at->count;
        runs_.erase(at);
    }
}

SfdFile SfdFile::Read(std::istream& in) {
    return SfdReader(in).Read();
}

const SfdSubfont* SfdFile::Find(std::string_view name) const {
    const auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : &subfonts_[found->second];
}

SfdSubfont& SfdFile::SubfontNamed(const std::string& name, int line) {
    const auto [found, added] = byName_.try_emplace(name, subfonts_.size());
    if (added) {
        subfonts_.emplace_back(name, line);
    }
    return subfonts_[found->second];
}

} // namespace glyphsmith
