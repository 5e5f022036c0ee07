// SPDX-License-Identifier: MIT
#include "AsideFile.h"
#include "StaleAsideFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#ifdef __linux__
#include <sys/xattr.h>
#endif
#include <unistd.h>

namespace glyphsmith {

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

bool MayWrite(const NativePath& path, const struct stat& file) {
    // Mode bits answer for nearly every file without another look; an access control list
    // can still let the caller write where they do not.
    return ModeBitsLetWrite({file.st_mode, file.st_uid, file.st_gid}, ThisProcess()) ||
           faccessat(AT_FDCWD, path.CStr(), W_OK, AT_EACCESS) == 0;
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

// Locks an open aside file, the mark of a live writer. False when a sweep got to the file
// first: the sweep holds the lock, or has removed the file, which then has no link left.
bool Lock(int fd, struct stat& file) {
    // Where the file system has no locks, no sweep can lock the file either, so it stays.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        return false;
    }
    return fstat(fd, &file) == 0 && file.st_nlink > 0;
}

// Swaps the names of two files in one step, where the file system can (Linux: ext4, XFS,
// Btrfs, tmpfs).
bool SwapNames(const NativePath& one, const NativePath& other) {
#ifdef __linux__
    return renameat2(AT_FDCWD, one.CStr(), AT_FDCWD, other.CStr(), RENAME_EXCHANGE) == 0;
#else
    (void)one, (void)other;
    return false;
#endif
}

// Swaps the complete aside file with the target file.
bool ExchangeNames(int asideFd, const NativePath& aside, const NativePath& target) {
#ifdef __linux__
    // ext4 and Btrfs start writing out a file that is renamed over another, so that after a
    // power cut the name holds the earlier text or the new one, never an empty file; they do
    // not for an exchange, so it is asked for here.
    sync_file_range(asideFd, 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    (void)asideFd;
#endif
    return SwapNames(aside, target);
}

// The file under name, opened and locked; -1 when a sweep got to it first.
int OpenLocked(const NativePath& name, struct stat& file) {
    const int fd = open(name.CStr(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd >= 0 && !Lock(fd, file)) {
        close(fd);
        return -1;
    }
    return fd;
}

// Closes fd, which is gone even when the close fails; false when it reports what a network
// file system could not write back.
bool CloseChecked(int& fd) {
    const bool closed = close(fd) == 0;
    fd = -1;
    return closed;
}

// Gives an unnamed file the target's name, if no file has it: the descriptor's entry
// under /proc names the file for linkat.
bool LinkInPlace(int fd, const NativePath& target) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.CStr(), AT_SYMLINK_FOLLOW) == 0;
}

// Whether the earlier file of a target, left by an exchange, could be a new file of this
// process: anything else would carry its owner, its access control list or its other
// links (whose text must stay) to another target.
bool CouldBeNew(int fd, const struct stat& file, unsigned uid, unsigned gid) {
    if (!S_ISREG(file.st_mode) || file.st_nlink != 1 || file.st_uid != uid || file.st_gid != gid) {
        return false;
    }
#ifdef __linux__
    return fgetxattr(fd, "system.posix_acl_access", nullptr, 0) < 0;
#else
    (void)fd;
    return true;
#endif
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

TargetStatus LookAtTarget(const NativePath& path) {
    struct stat file {};
    if (lstat(path.CStr(), &file) != 0) {
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

AsideFile::Opening AsideFile::OpenNew(const NativePath& directory, std::string_view name,
                                      const TargetStatus& target) {
    const NativePath path = directory / name;
    // A fresh file gets what the user's umask leaves of 0666, as any new file does.
    const mode_t mode = target.kind == TargetKind::Missing ? 0666 : target.permissions & 0777;
    const int fd = open(path.CStr(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) {
        return errno == EEXIST ? Opening::NameTaken : Opening::Failed;
    }
    struct stat file {};
    if (!Lock(fd, file)) {
        // The sweep removes it, or a later one does; take another name.
        close(fd);
        return Opening::NameTaken;
    }
    hold_ = {path, directory, false, fd, file.st_mode & kPermissionBits, file.st_uid, file.st_gid};
    if (target.kind != TargetKind::Missing) {
        Fit(target);
    }
    return Opening::Opened;
}

bool AsideFile::OpenUnnamed(const NativePath& directory) {
#ifdef O_TMPFILE
    // Where the file system has no unnamed files (NFS, FAT, older kernels), a named one
    // serves instead.
    const NativePath where = directory.Empty() ? "." : directory;
    const int fd = open(where.CStr(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    hold_ = {where, directory, true, fd};
    return true;
#else
    (void)directory;
    return false;
#endif
}

bool AsideFile::Fit(const TargetStatus& target) {
    // Where the umask withheld some, or the file served a target of other permissions.
    if (hold_.permissions != target.permissions && fchmod(hold_.fd, target.permissions) == 0) {
        hold_.permissions = target.permissions;
    }
    return hold_.permissions == target.permissions;
}

// A close that fails reports what a network file system could not write back: the file is
// in the target's place only once its close has succeeded, or is taken out of it again.
// Until then it stays locked, so that no sweep takes the complete file for an abandoned one.
AsideFile::Placement AsideFile::WriteAndPutInPlace(std::string_view text, const NativePath& target,
                                                   bool exchange) {
    if (!WriteAll(hold_.fd, text)) {
        return Placement::Failed;
    }
    if (hold_.unnamed) {
        return LinkThenClose(target);
    }
    if (exchange) {
        if (const std::optional<Placement> exchanged = ExchangeThenClose(target)) {
            return *exchanged;
        }
    }
    return CloseThenRename(target);
}

// An unnamed file, which no sweep can meet, is linked by its descriptor, so before its
// close; when the close fails, the name goes again, which no file had before.
AsideFile::Placement AsideFile::LinkThenClose(const NativePath& target) {
    if (!LinkInPlace(hold_.fd, target)) {
        return Placement::NotLinked;
    }
    if (CloseChecked(hold_.fd)) {
        return Placement::Renamed;
    }
    unlink(target.CStr());
    return Placement::Failed;
}

// The earlier file is locked under the aside file's name before the new file's close, so
// that a close that fails finds it there to swap back, and a close that succeeds leaves it
// held to serve the next file.
std::optional<AsideFile::Placement> AsideFile::ExchangeThenClose(const NativePath& target) {
    if (!ExchangeNames(hold_.fd, hold_.path, target)) {
        return std::nullopt;
    }
    const int newFile = hold_.fd;
    struct stat earlier {};
    hold_.fd = OpenLocked(hold_.path, earlier);
    if (close(newFile) != 0) {
        SwapNames(hold_.path, target);
        return Placement::Failed;
    }
    if (hold_.fd < 0 || !CouldBeNew(hold_.fd, earlier, hold_.uid, hold_.gid) ||
        ftruncate(hold_.fd, 0) != 0) {
        return Placement::Exchanged;
    }
    hold_.permissions = earlier.st_mode & kPermissionBits;
    return Placement::Reclaimed;
}

// Once a file is renamed over the earlier one, nothing can bring that back: the close
// comes first, while a second descriptor of the file keeps the lock until the rename.
AsideFile::Placement AsideFile::CloseThenRename(const NativePath& target) {
    const int lockKeeper = dup(hold_.fd);
    const bool closed = CloseChecked(hold_.fd);
    hold_.fd = lockKeeper;
    if (!closed) {
        return Placement::Failed;
    }
    return rename(hold_.path.CStr(), target.CStr()) == 0 ? Placement::Renamed : Placement::Failed;
}

void AsideFile::Discard() {
    if (IsOpen() && !hold_.unnamed) {
        unlink(hold_.path.CStr());
    }
    hold_.path.Clear();
    hold_.unnamed = false; // the system removes an unnamed file at its last close
    CloseIfOpen(hold_.fd);
}

namespace {

// Removes an aside file whose writer has ended without renaming or removing it; a file
// that a live writer holds, or that is no regular file, stays.
void RemoveIfAbandoned(int directory, const char* name) {
    // A file that its owner may not read is opened for writing instead.
    int fd = openat(directory, name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0 && errno == EACCES) {
        fd = openat(directory, name, O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    }
    if (fd < 0) {
        return;
    }
    struct stat held {};
    // The lock is free only once the writer has ended; a file that another sweep has
    // removed meanwhile has no links left, and its name may now be a new writer's.
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
        held.st_nlink > 0) {
        unlinkat(directory, name, 0);
    }
    close(fd);
}

// Whether a listed entry is a regular file, told without opening it, which for a device
// could have effects.
bool IsRegularFile(int directory, const dirent& entry) {
    if (entry.d_type != DT_UNKNOWN) {
        return entry.d_type == DT_REG;
    }
    struct stat file {}; // a file system that leaves the type out of its listing
    return fstatat(directory, entry.d_name, &file, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISREG(file.st_mode);
}

} // namespace

void RemoveStaleAsideFiles(const NativePath& directory) {
    DIR* listing = opendir(directory.Empty() ? "." : directory.CStr());
    if (listing == nullptr) {
        return;
    }
    const int fd = dirfd(listing);
    while (const dirent* entry = readdir(listing)) {
        if (IsAsideFileName(std::string_view(entry->d_name)) && IsRegularFile(fd, *entry)) {
            RemoveIfAbandoned(fd, entry->d_name);
        }
    }
    closedir(listing);
}

} // namespace glyphsmith
