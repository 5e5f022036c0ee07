// SPDX-License-Identifier: MIT
#pragma once

#include "CopyrightTemplate.h"
#include "HtfWriter.h"

#include <string>

namespace glyphsmith::fuzz {

// Stops the fuzzer with the name of the invariant when it does not hold.
void Require(bool holds, const char* what);

// Stops the fuzzer with a message when a written .htf file breaks its layout: a header
// equal to the trailer, one row per code of the header's range in order, each row one of
// the three 17-character forms followed by its template line, the dated comment or
// nothing.
void CheckHtfFile(const std::string& text, const HtfFileSpec& file,
                  const CopyrightTemplate& copyright, CalendarDate date);

} // namespace glyphsmith::fuzz
