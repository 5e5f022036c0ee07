// glyphsmith-cli: the runs of Glyphsmith for scripts and batch use. "log.txt" and
// "copyright.txt" are those of the working directory, as in the window program.
#include "CommandLine.h"
#include "Paths.h"

#include <iostream>

int main(int argc, char* argv[]) {
    const glyphsmith::cli::Console console{std::cout, std::cerr, glyphsmith::CurrentDirectory()};
    const glyphsmith::cli::ExitStatus status =
        glyphsmith::cli::RunCommandLine({argv + 1, argv + argc}, console);
    return static_cast<int>(status);
}
