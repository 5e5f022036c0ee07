#include "AsideFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace glyphsmith {

namespace fs = std::filesystem;

namespace {

constexpr mode_t kPermissionBits = 07777;

// The identity that the kernel checks a file's mode bits against, which a run does not
// change.
const Caller& ThisProcess() {
    static const Caller caller = [] {
        Caller process{geteuid(), {getegid()}};
        const int count = getgroups(0, nullptr);
        std::vector<gid_t> groups(std::max(count, 0));
        if (count > 0 && getgroups(count, groups.data()) == count) {
            process.groups.insert(process.groups.end(), groups.begin(), groups.end());
        }
        return process;
    }();
    return caller;
}

bool MayWrite(const fs::path& path, const struct stat& file) {
    // Mode bits answer for nearly every file without another look; an access control list
    // can still let the caller write where they do not.
    return ModeBitsLetWrite({file.st_mode, file.st_uid, file.st_gid}, ThisProcess()) ||
           faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

void CloseIfOpen(int& fd) {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Locks the new file, the mark of a live writer, and gives it the target's permissions
// where the umask withheld some. False when a sweep got to the file between its creation
// and the lock: the sweep holds the lock or has removed the file.
bool Claim(int fd, const TargetStatus& target) {
    // Where the file system has no locks, no sweep can lock the file either, so it stays.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        return false;
    }
    struct stat file {};
    if (fstat(fd, &file) != 0 || file.st_nlink == 0) {
        return false;
    }
    if (target.kind != TargetKind::Missing &&
        (file.st_mode & kPermissionBits) != target.permissions) {
        fchmod(fd, target.permissions);
    }
    return true;
}

} // namespace

bool ModeBitsLetWrite(const FileOwnership& file, const Caller& caller) {
    if (caller.uid == 0) {
        return true;
    }
    if (caller.uid == file.uid) {
        return (file.mode & S_IWUSR) != 0;
    }
    if (std::find(caller.groups.begin(), caller.groups.end(), file.gid) != caller.groups.end()) {
        return (file.mode & S_IWGRP) != 0;
    }
    return (file.mode & S_IWOTH) != 0;
}

TargetStatus LookAtTarget(const fs::path& path) {
    struct stat file {};
    if (lstat(path.c_str(), &file) != 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return {missing ? TargetKind::Missing : TargetKind::Other, 0};
    }
    const unsigned permissions = file.st_mode & kPermissionBits;
    if (S_ISLNK(file.st_mode)) {
        return {TargetKind::Link, permissions};
    }
    if (!S_ISREG(file.st_mode)) {
        return {TargetKind::Other, permissions};
    }
    return {MayWrite(path, file) ? TargetKind::ReplaceableFile : TargetKind::KeptFile, permissions};
}

unsigned long CurrentProcessId() {
    // Kept rather than asked for each file, and renewed in a forked child.
    static pid_t pid = [] {
        pthread_atfork(nullptr, nullptr, [] { pid = getpid(); });
        return getpid();
    }();
    return static_cast<unsigned long>(pid);
}

AsideFile::Opening AsideFile::OpenNew(const fs::path& path, const TargetStatus& target) {
    // A fresh file gets what the user's umask leaves of 0666, as any new file does.
    const mode_t mode = target.kind == TargetKind::Missing ? 0666 : target.permissions & 0777;
    fd_ = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd_ < 0) {
        return errno == EEXIST ? Opening::NameTaken : Opening::Failed;
    }
    if (!Claim(fd_, target)) {
        // The sweep removes it, or a later one does; take another name.
        CloseIfOpen(fd_);
        return Opening::NameTaken;
    }
    path_ = path;
    return Opening::Opened;
}

bool AsideFile::WriteAndRename(std::string_view text, const fs::path& target) {
    // The close reports what a network file system could not write back. A second
    // descriptor of the same open file keeps the lock until the rename, so that no sweep
    // takes the complete file for an abandoned one.
    const int lockKeeper = dup(fd_);
    const bool written = WriteAll(fd_, text);
    const bool closed = close(fd_) == 0;
    fd_ = lockKeeper;
    return written && closed && rename(path_.c_str(), target.c_str()) == 0;
}

void AsideFile::Discard() {
    if (IsOpen()) {
        unlink(path_.c_str());
        path_.clear();
    }
    CloseIfOpen(fd_);
}

void RemoveIfAbandoned(const fs::path& file) {
    // A file that its owner may not read is opened for writing instead.
    int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0 && errno == EACCES) {
        fd = open(file.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    }
    if (fd < 0) {
        return;
    }
    struct stat held {};
    // The lock is free only once the writer has ended; a file that another sweep has
    // removed meanwhile has no links left, and its name may now be a new writer's.
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
        held.st_nlink > 0) {
        unlink(file.c_str());
    }
    close(fd);
}

} // namespace glyphsmith
