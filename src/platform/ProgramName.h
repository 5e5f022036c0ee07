// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace glyphsmith::platform {

// The program file's name without its extension: the settings store's application and
// the caption of a message box that names none.
std::string ProgramName();

} // namespace glyphsmith::platform
