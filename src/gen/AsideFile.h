#pragma once

#include <filesystem>
#include <string_view>
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
TargetStatus LookAtTarget(const std::filesystem::path& path);

// A file written beside its target and renamed over it once it is complete, so that a
// failed write or an interrupted run leaves the earlier file whole.
//
// While an aside file exists under its name, its writer holds it in a way that the system
// ends when the writer ends, however it ends (SIGKILL, a closed console, a crash): on
// Linux a lock (flock) on the open file, on Windows the open handle itself, which lets no
// other process open the file exclusively. RemoveIfAbandoned removes a file only when it
// can take that hold itself, so an aside file of a live writer, in this process or any
// other, on this machine or another one on a network share, is never removed. The process
// id in the name does not decide: ids are reused, and another machine's mean nothing here.
// After a power cut no one holds anything, so every aside file counts as abandoned.
class AsideFile {
  public:
    AsideFile() = default;
    ~AsideFile() { Discard(); }
    AsideFile(const AsideFile&) = delete;
    AsideFile& operator=(const AsideFile&) = delete;

    // Creates the file in directory, exclusively, under a name that no other file there
    // has; a target that exists lends it its permissions. False when it cannot be created.
    bool Create(const std::filesystem::path& directory, const TargetStatus& target);
    bool IsOpen() const { return !path_.empty(); }

    // Writes text with the platform's line ends, closes the file and renames it over
    // target. False when any of them failed; the aside file is removed then and target is
    // as it was.
    bool Replace(std::string_view text, const std::filesystem::path& target);

    // Removes the file, if it is still there.
    void Discard();

  private:
    enum class Opening { Opened, NameTaken, Failed };

    // Creates the file at path and takes hold of it.
    Opening OpenNew(const std::filesystem::path& path, const TargetStatus& target);
    // Writes text, closes the file and renames it over target; the file is left for
    // Discard when any of them fails.
    bool WriteAndRename(std::string_view text, const std::filesystem::path& target);

    std::filesystem::path path_; // empty when there is no aside file
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

// The number that this process's aside file names carry.
unsigned long CurrentProcessId();

// Removes an aside file whose writer has ended without renaming or removing it; a file
// that a live writer holds, or that is no regular file, stays.
void RemoveIfAbandoned(const std::filesystem::path& file);

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
