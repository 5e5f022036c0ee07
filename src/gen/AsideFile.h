// SPDX-License-Identifier: MIT
#pragma once

#include "Paths.h"

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace glyphsmith {

// What one look at an output file's path tells before the file is replaced.
enum class TargetKind {
    Missing,         // nothing there yet, or a directory on the way is missing
    ReplaceableFile, // a regular file that the caller may write
    KeptFile,        // a regular file that the caller may not write, such as a read-only one
    Link,            // a symbolic link, not followed
    Other,           // a directory, a device, a pipe, or what could not be looked at
};

struct TargetStatus {
    TargetKind kind;
    unsigned permissions; // of a file that is there, which its replacement takes over
};

// One look at path; a link in its last part is not followed.
TargetStatus LookAtTarget(const NativePath& path);

// A file written beside its target and put in its place once it is complete, so that a
// failed write or an interrupted run leaves the earlier file whole.
//
// While an aside file exists under its name, its writer holds it in a way that the system
// ends when the writer ends, however it ends (SIGKILL, a closed console, a crash): on
// Linux a lock (flock) on the open file, on Windows the open handle itself, which lets no
// other process open the file exclusively. RemoveStaleAsideFiles removes a file only when it
// can take that hold itself, so an aside file of a live writer, in this process or any
// other, on this machine or another one on a network share, is never removed. The process
// id in the name does not decide: ids are reused, and another machine's mean nothing here.
// After a power cut no one holds anything, so every aside file counts as abandoned.
class AsideFile {
  public:
    AsideFile() = default;
    ~AsideFile() { Discard(); }
    AsideFile(AsideFile&& other) noexcept : hold_(std::exchange(other.hold_, {})) {}
    AsideFile& operator=(AsideFile&& other) noexcept;
    AsideFile(const AsideFile&) = delete;
    AsideFile& operator=(const AsideFile&) = delete;

    // Creates the file in directory, exclusively, under a name that no other file there
    // has; a target that exists lends it its permissions. For a missing target, where the
    // system can (Linux), the file has no name at all until it takes the target's, so
    // that nothing of it can be left behind. False when it cannot be created.
    bool Create(const NativePath& directory, const TargetStatus& target);
    bool IsOpen() const { return !hold_.path.Empty(); }
    const NativePath& Directory() const { return hold_.directory; }

    // Gives the file the permissions of an existing target; false when it keeps others.
    bool Fit(const TargetStatus& target);

    // Writes text with the platform's line ends, closes the file and puts it in place of
    // target. False when any of them failed; the aside file is removed then and target is
    // as it was.
    //
    // A target file is swapped with the aside file in one step where the file system can
    // (Linux: ext4, XFS, Btrfs, tmpfs), which leaves the earlier file under the aside
    // file's name. Where nothing could tell that file from a new one of this process, it
    // stays open, emptied, and serves the next target of the directory (IsOpen): a run
    // over an earlier tree then neither makes nor frees an inode per file. Otherwise, and
    // where the target was renamed over, nothing is left.
    bool Replace(std::string_view text, const NativePath& target, const TargetStatus& status);

    // Removes the file, if it is still there.
    void Discard();

  private:
    enum class Opening { Opened, NameTaken, Failed };
    // Renamed: the file has the target's name now, by a rename or a link.
    // Exchanged: the file and the earlier one have swapped names.
    // Reclaimed: exchanged, and the earlier file, emptied, is the aside file now.
    // NotLinked: an unnamed file could not take the target's name, which a file has taken
    // meanwhile, or the system could not name the file.
    enum class Placement { Renamed, Exchanged, Reclaimed, NotLinked, Failed };

    bool CreateNamed(const NativePath& directory, const TargetStatus& target);
    // Creates the file name in directory and takes hold of it.
    Opening OpenNew(const NativePath& directory, std::string_view name, const TargetStatus& target);
    // Creates a file without a name in directory; false where the system cannot.
    bool OpenUnnamed(const NativePath& directory);
    // Writes text under a name of its own and renames it over target: for an unnamed file
    // that could not be linked there.
    Placement PlaceNamedInstead(std::string_view text, const NativePath& target,
                                const TargetStatus& status);
    // Writes text, closes the file and puts it in place of target, by an exchange where
    // exchange is true and the file system can; the file is left for Discard when any of
    // them fails.
    Placement WriteAndPutInPlace(std::string_view text, const NativePath& target, bool exchange);
#ifndef _WIN32
    Placement LinkThenClose(const NativePath& target);
    // None when the file system cannot swap the two names.
    std::optional<Placement> ExchangeThenClose(const NativePath& target);
    Placement CloseThenRename(const NativePath& target);
#endif

    struct Hold {
        NativePath path;      // empty when there is no aside file
        NativePath directory; // as the file was created in it
        bool unnamed = false; // made without a name; path is its directory
#ifdef _WIN32
        void* handle = nullptr;
#else
        int fd = -1;
        unsigned permissions = 0;
        // What a new file of this process in the directory is owned by.
        unsigned uid = 0;
        unsigned gid = 0;
#endif
    };
    Hold hold_;
};

// The number that this process's aside file names carry.
unsigned long CurrentProcessId();

#ifndef _WIN32
// The owner and mode of a file, and who asks to write it.
struct FileOwnership {
    unsigned mode;
    unsigned uid;
    unsigned gid;
};
struct Caller {
    unsigned uid;
    std::vector<unsigned> groups; // the effective group and the supplementary ones
};

// Whether the mode bits let the caller write a file, as the kernel decides: root always;
// the owner by the owner's bits alone, a member of the file's group by the group's, anyone
// else by the others'.
bool ModeBitsLetWrite(const FileOwnership& file, const Caller& caller);
#endif

} // namespace glyphsmith
