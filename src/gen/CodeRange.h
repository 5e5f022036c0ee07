// SPDX-License-Identifier: MIT
#pragma once

namespace glyphsmith {

// The first and last code of a font's characters, as the first line of an .htf file
// announces them and bytes 4 to 7 of a TFM file give them. A font without characters has
// first = last + 1.
struct CodeRange {
    int first;
    int last;

    bool operator==(const CodeRange&) const = default;
};

} // namespace glyphsmith
