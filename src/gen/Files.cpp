// SPDX-License-Identifier: MIT
#include "Files.h"

#include "Paths.h"
#include "StaleAsideFiles.h"

#include <system_error>

namespace glyphsmith {

namespace fs = std::filesystem;

namespace {

template <typename Stream> Stream Unopened() {
    Stream none;
    none.setstate(std::ios::failbit);
    return none;
}

// The file that writing through path changes, path with its symbolic links followed as
// many as the system itself follows, and what one look at it tells.
TargetStatus FollowLinks(NativePath& path) {
    constexpr int kMostLinks = 40;
    TargetStatus status = LookAtTarget(path);
    for (int links = 0; links < kMostLinks && status.kind == TargetKind::Link; ++links) {
        const fs::path followed(path.Native());
        std::error_code error;
        const fs::path link = fs::read_symlink(followed, error);
        if (error) {
            break;
        }
        path = link.is_absolute() ? link : followed.parent_path() / link;
        status = LookAtTarget(path);
    }
    return status;
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

AsideFile OutputFiles::AsideFor(const NativePath& directory, const TargetStatus& target) {
    // A file that kept the permissions of its earlier target could show the text to others.
    if (spare_.IsOpen() && spare_.Directory() == directory &&
        target.kind == TargetKind::ReplaceableFile && spare_.Fit(target)) {
        return std::move(spare_);
    }
    spare_.Discard();
    if (swept_.insert(directory).second) {
        RemoveStaleAsideFiles(directory);
    }
    AsideFile aside;
    aside.Create(directory, target);
    return aside;
}

std::ostringstream& OutputFiles::FreshText() {
    std::string buffer = std::move(text_).str();
    buffer.clear();
    text_.str(std::move(buffer));
    text_.clear();
    return text_;
}

OutputFile::OutputFile(const std::string& path, OutputFiles& run)
    : run_(run), target_(path), status_(FollowLinks(target_)), text_(run.FreshText()) {
    switch (status_.kind) {
    case TargetKind::Missing:
    case TargetKind::ReplaceableFile:
        aside_ = run_.AsideFor(target_.Parent(), status_);
        break;
    case TargetKind::KeptFile:
        break;
    case TargetKind::Link:
    case TargetKind::Other:
        // A device must stay a device; a directory, a pipe or a loop of links fails here as
        // it always did.
        inPlace_.emplace(CreateOutputFile(path));
        break;
    }
}

bool OutputFile::Commit() {
    if (inPlace_ && inPlace_->is_open()) {
        *inPlace_ << text_.view();
        return CloseOutputFile(*inPlace_);
    }
    const bool replaced = aside_.Replace(text_.view(), target_, status_);
    run_.Keep(std::move(aside_));
    return replaced;
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
