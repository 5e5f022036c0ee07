#include "Files.h"

#include "Paths.h"

#include <random>
#include <system_error>

namespace glyphsmith {

namespace fs = std::filesystem;

namespace {

template <typename Stream> Stream Unopened() {
    Stream none;
    none.setstate(std::ios::failbit);
    return none;
}

// The file that writing through path changes: path with its symbolic links followed, as
// many as the system itself follows.
fs::path FollowLinks(fs::path path) {
    constexpr int kMostLinks = 40;
    std::error_code error;
    for (int links = 0; links < kMostLinks && fs::is_symlink(path, error); ++links) {
        const fs::path link = fs::read_symlink(path, error);
        if (error) {
            break;
        }
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

// A name beside the target that no entry holds. It is short, so that it fits wherever the
// target's name fits.
fs::path UnusedNameBeside(const fs::path& target) {
    static std::mt19937 random{std::random_device{}()};
    std::error_code error;
    fs::path aside;
    do {
        aside = target.parent_path() / (".glyphsmith-" + std::to_string(random()) + ".tmp");
    } while (fs::exists(fs::symlink_status(aside, error)));
    return aside;
}

// The new file takes the earlier one's permissions, as a file written in place kept them.
void KeepPermissions(const fs::path& target, const fs::path& aside) {
    std::error_code error;
    const fs::file_status earlier = fs::status(target, error);
    if (fs::is_regular_file(earlier)) {
        fs::permissions(aside, earlier.permissions(), error);
    }
}

} // namespace

std::ofstream CreateOutputFile(const std::string& path) {
    // A named pipe would hold the run until some other program read from it.
    std::error_code error;
    if (fs::is_fifo(FsPath(path), error)) {
        return Unopened<std::ofstream>();
    }
    return std::ofstream(FsPath(path), std::ios::out | std::ios::trunc);
}

bool CloseOutputFile(std::ofstream& out) {
    out.close();
    return !out.fail();
}

OutputFile::OutputFile(const std::string& path) : target_(FollowLinks(FsPath(path))) {
    std::error_code error;
    const fs::file_type type = fs::status(target_, error).type();
    if (type == fs::file_type::not_found) {
        OpenAside();
    } else if (type == fs::file_type::regular) {
        // A file that could not be written in place, such as a read-only one, is not
        // replaced either.
        if (std::ofstream(target_, std::ios::app).is_open()) {
            OpenAside();
        }
    } else {
        // A device holds no earlier text to keep and must stay a device; a directory, a
        // pipe or a loop of links fails here as it always did.
        out_ = CreateOutputFile(path);
    }
}

OutputFile::~OutputFile() {
    RemoveAside();
}

bool OutputFile::Commit() {
    const bool written = CloseOutputFile(out_);
    if (aside_.empty()) {
        return written;
    }
    if (written) {
        KeepPermissions(target_, aside_);
        std::error_code error;
        fs::rename(aside_, target_, error);
        if (!error) {
            aside_.clear();
            return true;
        }
    }
    RemoveAside();
    return false;
}

void OutputFile::OpenAside() {
    const fs::path aside = UnusedNameBeside(target_);
    out_.open(aside, std::ios::out | std::ios::trunc);
    if (out_.is_open()) {
        aside_ = aside;
    }
}

void OutputFile::RemoveAside() {
    if (aside_.empty()) {
        return;
    }
    out_.close();
    std::error_code error;
    fs::remove(aside_, error);
    aside_.clear();
}

std::ifstream OpenInputFile(const std::string& path) {
    // Only regular files: a directory gives no lines, and a device such as /dev/zero or a
    // pipe could keep a run reading for ever.
    std::error_code error;
    if (!fs::is_regular_file(FsPath(path), error)) {
        return Unopened<std::ifstream>();
    }
    return std::ifstream(FsPath(path), std::ios::binary);
}

} // namespace glyphsmith
