#include "AsideFile.h"

#include "StaleAsideFiles.h"

#include <atomic>

namespace glyphsmith {

namespace fs = std::filesystem;

bool AsideFile::Create(const fs::path& directory, const TargetStatus& target) {
    static std::atomic<unsigned long> numbers{0};
    constexpr int kMostTries = 100;
    for (int tries = 0; tries < kMostTries; ++tries) {
        const Opening opening =
            OpenNew(directory / AsideFileName(CurrentProcessId(), numbers++), target);
        if (opening != Opening::NameTaken) {
            return opening == Opening::Opened;
        }
    }
    return false;
}

bool AsideFile::Replace(std::string_view text, const fs::path& target) {
    const bool replaced = IsOpen() && WriteAndRename(text, target);
    if (replaced) {
        path_.clear();
    }
    Discard();
    return replaced;
}

} // namespace glyphsmith
