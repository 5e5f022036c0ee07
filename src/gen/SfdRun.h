// SPDX-License-Identifier: MIT
#pragma once

#include "GenerationSettings.h"
#include "RunContext.h"

#include <optional>
#include <string>

namespace glyphsmith {

// What the sfd run is given.
struct SfdRunSettings {
    // A subfont definition file of Unicode values (UGB.sfd, UBig5.sfd, Unicode.sfd, ...).
    std::string sfdFile;
    // Whole TeX font names without their subfont part ("unisong gbkkai"), separated by
    // blanks as in Generator 1's list.
    std::string fontList;
    std::string htfDirectory = kDefaultHtfDirectory;
    // Where <font><subfont>.tfm lie, whose code ranges the files take; a subfont without
    // one gets no file. Without it a file spans the codes that its subfont gives a
    // character, or with keepBlanks all 256 (the two do not go together).
    std::optional<std::string> tfmDirectory;
    bool keepBlanks = false;
    // The subfonts to write (SelectSubfonts); every subfont of the file without it.
    std::optional<std::string> subfontList;
};

// Writes htfDirectory/<font>/<font><subfont>.htf for every font of the list and every
// chosen subfont of the file, with Generator 1's rows and template. A file of native codes
// and a list of subfonts that the file does not define stop the run before any file is
// written. The closing message begins with a line that counts the files written and the
// subfonts without a TFM file.
RunOutcome RunSfd(const SfdRunSettings& settings, const RunContext& context);

} // namespace glyphsmith
