// SPDX-License-Identifier: MIT
// glyphsmith-cli: the runs of Glyphsmith for scripts and batch use. "log.txt" and
// "copyright.txt" are those of the working directory, as in the window program.
#include "CommandLine.h"
#include "Paths.h"

#include <iostream>

namespace {

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const glyphsmith::cli::Console console{out, err, glyphsmith::CurrentDirectory()};
    return static_cast<int>(glyphsmith::cli::RunCommandLine(arguments, console));
}

} // namespace

#ifdef _WIN32
#include "Unicode.h"
#include "WideConsoleBuffer.h"

#include <memory>
#include <windows.h>

namespace {

// One of the program's standard streams. A console gets the text through WriteConsoleW,
// which shows it right in any console code page; redirected, the stream writes the
// UTF-8 bytes themselves.
class StandardStream {
  public:
    StandardStream(DWORD which, std::ostream& redirected) : stream_(&redirected) {
        HANDLE handle = GetStdHandle(which);
        DWORD mode = 0;
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
            buffer_ = std::make_unique<glyphsmith::cli::WideConsoleBuffer>(
                [handle](std::u16string_view text) {
                    DWORD written = 0;
                    WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written,
                                  nullptr);
                });
            console_ = std::make_unique<std::ostream>(buffer_.get());
            stream_ = console_.get();
        }
    }
    ~StandardStream() { stream_->flush(); }

    std::ostream& Stream() { return *stream_; }

  private:
    std::unique_ptr<glyphsmith::cli::WideConsoleBuffer> buffer_;
    std::unique_ptr<std::ostream> console_;
    std::ostream* stream_;
};

} // namespace

// The arguments come as UTF-16, so that any character that the user types arrives,
// whatever the system's code page; inside, the program works in UTF-8.
int wmain(int argc, wchar_t* argv[]) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(glyphsmith::Utf8FromWide(argv[i]));
    }
    StandardStream out(STD_OUTPUT_HANDLE, std::cout);
    StandardStream err(STD_ERROR_HANDLE, std::cerr);
    return Run(arguments, out.Stream(), err.Stream());
}
#else
int main(int argc, char* argv[]) {
    return Run({argv + 1, argv + argc}, std::cout, std::cerr);
}
#endif
