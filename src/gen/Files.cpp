#include "Files.h"

#include "Paths.h"

#include <system_error>

namespace glyphsmith {

std::ofstream CreateOutputFile(const std::string& path) {
    return std::ofstream(FsPath(path), std::ios::out | std::ios::trunc);
}

bool CloseOutputFile(std::ofstream& out) {
    out.close();
    return !out.fail();
}

std::ifstream OpenInputFile(const std::string& path) {
    std::ifstream in(FsPath(path), std::ios::binary);
    std::error_code error;
    if (in && std::filesystem::is_directory(FsPath(path), error)) {
        in.close();
        in.setstate(std::ios::failbit);
    }
    return in;
}

} // namespace glyphsmith
