#pragma once

#include "RunLog.h"
#include "RunReporter.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace glyphsmith {

// Shows a warning for the first typed family name that holds a path separator, since
// its files would land outside the chosen directory; true when one does.
bool WarnIfAnyNameLeavesDirectory(RunReporter& reporter,
                                  std::initializer_list<const std::string*> names);

// Makes a family's directory with every missing parent; when it cannot, writes
// "Failed to create the directory D!" and lineEnds to the log and shows the same text.
bool MakeFamilyDirectory(const std::string& path, std::string_view lineEnds, RunLog& log,
                         RunReporter& reporter);

} // namespace glyphsmith
