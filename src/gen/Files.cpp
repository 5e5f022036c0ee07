#include "Files.h"

#include "Paths.h"

#include <system_error>

namespace glyphsmith {

namespace {

template <typename Stream> Stream Unopened() {
    Stream none;
    none.setstate(std::ios::failbit);
    return none;
}

} // namespace

std::ofstream CreateOutputFile(const std::string& path) {
    // A named pipe would hold the run until some other program read from it.
    std::error_code error;
    if (std::filesystem::is_fifo(FsPath(path), error)) {
        return Unopened<std::ofstream>();
    }
    return std::ofstream(FsPath(path), std::ios::out | std::ios::trunc);
}

bool CloseOutputFile(std::ofstream& out) {
    out.close();
    return !out.fail();
}

std::ifstream OpenInputFile(const std::string& path) {
    // Only regular files: a directory gives no lines, and a device such as /dev/zero or a
    // pipe could keep a run reading for ever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(FsPath(path), error)) {
        return Unopened<std::ifstream>();
    }
    return std::ifstream(FsPath(path), std::ios::binary);
}

} // namespace glyphsmith
