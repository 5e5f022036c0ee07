// SPDX-License-Identifier: MIT
#pragma once

#include "CodeRange.h"

#include <string>
#include <string_view>
#include <variant>

namespace glyphsmith {

// The codes of a TeX font metric file, bc to ec: TeX4ht reads an .htf file's rows from
// its font's first code, so a file is right only with its TFM's range.
using TfmRange = CodeRange;

// The range, or why the bytes are no TFM file.
using TfmRangeOrRefusal = std::variant<TfmRange, std::string>;

// From the bytes of a whole file. A TFM file begins with twelve big-endian 16-bit
// halfwords: lf (its length in 4-byte words), lh, bc, ec and the sizes of eight tables,
// and lf = 6 + lh + (ec - bc + 1) + the eight sizes.
TfmRangeOrRefusal TfmRangeOf(std::string_view bytes);

// Reads a TFM file; a refusal names the path ("tfm/zzsong01.tfm: the file is empty").
TfmRangeOrRefusal ReadTfmRange(const std::string& path);

} // namespace glyphsmith
