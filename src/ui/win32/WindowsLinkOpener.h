// SPDX-License-Identifier: MIT
#pragma once

#include "LinkOpener.h"

namespace glyphsmith {

// A result of the shell's ShellExecute or of the old program starter, as an outcome:
// above 32 the address opened, 32 or less is an error code of the shell's.
OpenResult ShellOpenResult(int code);

} // namespace glyphsmith
