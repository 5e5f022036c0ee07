// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <streambuf>
#include <string>
#include <string_view>

namespace glyphsmith::cli {

// A stream of the program's UTF-8 text for a console that takes UTF-16 (Windows' wide
// console functions), so that the text reads right whatever the console's code page. It
// hands its text on at every flush, with a character cut at the flush kept for the next.
class WideConsoleBuffer : public std::streambuf {
  public:
    using Writer = std::function<void(std::u16string_view)>;

    explicit WideConsoleBuffer(Writer write) : write_(std::move(write)) {}
    ~WideConsoleBuffer() override { sync(); }
    WideConsoleBuffer(const WideConsoleBuffer&) = delete;
    WideConsoleBuffer& operator=(const WideConsoleBuffer&) = delete;

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

  private:
    std::string pending_;
    Writer write_;
};

} // namespace glyphsmith::cli
