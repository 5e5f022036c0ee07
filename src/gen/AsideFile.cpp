// SPDX-License-Identifier: MIT
#include "AsideFile.h"

#include "StaleAsideFiles.h"

#include <atomic>

namespace glyphsmith {

AsideFile& AsideFile::operator=(AsideFile&& other) noexcept {
    if (this != &other) {
        Discard();
        hold_ = std::exchange(other.hold_, {});
    }
    return *this;
}

bool AsideFile::Create(const NativePath& directory, const TargetStatus& target) {
    return (target.kind == TargetKind::Missing && OpenUnnamed(directory)) ||
           CreateNamed(directory, target);
}

bool AsideFile::CreateNamed(const NativePath& directory, const TargetStatus& target) {
    static std::atomic<unsigned long> numbers{0};
    constexpr int kMostTries = 100;
    for (int tries = 0; tries < kMostTries; ++tries) {
        const Opening opening =
            OpenNew(directory, AsideFileName(CurrentProcessId(), numbers++), target);
        if (opening != Opening::NameTaken) {
            return opening == Opening::Opened;
        }
    }
    return false;
}

bool AsideFile::Replace(std::string_view text, const NativePath& target,
                        const TargetStatus& status) {
    Placement placement =
        IsOpen() ? WriteAndPutInPlace(text, target, status.kind == TargetKind::ReplaceableFile)
                 : Placement::Failed;
    if (placement == Placement::NotLinked) {
        placement = PlaceNamedInstead(text, target, status);
    }
    if (placement == Placement::Renamed) {
        hold_.path.Clear(); // the name is the target's now
    }
    if (placement != Placement::Reclaimed) {
        Discard();
    }
    return placement != Placement::Failed;
}

AsideFile::Placement AsideFile::PlaceNamedInstead(std::string_view text, const NativePath& target,
                                                  const TargetStatus& status) {
    const NativePath directory = Directory();
    Discard();
    // Renamed over whatever has taken the target's name since it was looked at, as a named
    // file for a missing target always is.
    return CreateNamed(directory, status) ? WriteAndPutInPlace(text, target, false)
                                          : Placement::Failed;
}

} // namespace glyphsmith
