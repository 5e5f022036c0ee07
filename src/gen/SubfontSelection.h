// SPDX-License-Identifier: MIT
#pragma once

#include "SfdFile.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace glyphsmith {

// The subfonts of a file that a run writes, in the file's order.
using SubfontList = std::vector<const SfdSubfont*>;

// The chosen subfonts, or why the list cannot be taken (a message that names the file).
using SubfontSelection = std::variant<SubfontList, std::string>;

// Every subfont of the file.
SubfontList AllSubfonts(const SfdFile& file);

// The subfonts that a list names:
//
//   list  = item { ("," | " ") item }     empty items are passed over
//   item  = name                          a subfont as the file writes it: 01, 4e, 0100
//         | name "-" name                 the subfonts from the first to the last in the
//                                         order of the file
//
// A subfont that the list names twice is written once. A name that the file does not
// define, a range whose last subfont comes before its first, and a list without any name
// are refused. `path` names the file in the messages.
SubfontSelection SelectSubfonts(const SfdFile& file, std::string_view list,
                                const std::string& path);

} // namespace glyphsmith
