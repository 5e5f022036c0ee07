// glyphsmith-cli: the runs of Glyphsmith for scripts and batch use. "log.txt" and
// "copyright.txt" are those of the working directory, as in the window program.
#include "CommandLine.h"

int main(int argc, char* argv[]) {
    return glyphsmith::cli::RunCommandLine(argc, argv);
}
