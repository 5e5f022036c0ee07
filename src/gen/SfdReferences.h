// SPDX-License-Identifier: MIT
#pragma once

#include "CodeRange.h"
#include "HtfWriter.h"
#include "SfdFile.h"

#include <cstdint>
#include <optional>

namespace glyphsmith {

// The reference that a row names for a Unicode value of a subfont definition file: "x"
// and at least four upper-case hexadecimal digits ("x4E02", "x20000"). None for a
// position without a value, for 0xFFFE, the CJK package's filler, and for values that
// are no character at all (surrogates, values beyond 0x10FFFF).
CharacterReference SfdReference(std::optional<std::uint32_t> value);

// The first and last position of a subfont whose value names a character; none when no
// position does.
std::optional<CodeRange> CharacterRange(const SfdSubfont& subfont);

} // namespace glyphsmith
