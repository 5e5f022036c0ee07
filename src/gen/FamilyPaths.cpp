#include "FamilyPaths.h"

#include "EnsureDirectory.h"
#include "Paths.h"

namespace glyphsmith {

bool WarnIfAnyNameLeavesDirectory(RunReporter& reporter,
                                  std::initializer_list<const std::string*> names) {
    for (const std::string* name : names) {
        if (HoldsPathSeparator(*name)) {
            reporter.Warn("The font name \"" + *name +
                          "\" holds a path separator (\"/\" or \"\\\"), which would put its files "
                          "outside the directory. Please type the name without it!");
            return true;
        }
    }
    return false;
}

bool MakeFamilyDirectory(const std::string& path, std::string_view lineEnds, RunLog& log,
                         RunReporter& reporter) {
    if (EnsureDirectory(path)) {
        return true;
    }
    const std::string message =
        "Failed to create the directory " + path + "!" + std::string(lineEnds);
    log.Fail(message);
    reporter.Warn(message);
    return false;
}

} // namespace glyphsmith
