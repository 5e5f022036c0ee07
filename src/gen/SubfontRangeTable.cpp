// SPDX-License-Identifier: MIT
#include "SubfontRangeTable.h"

namespace glyphsmith {

namespace {

constexpr std::array<SubfontRange, kSubfontCount> MakeTable() {
    std::array<SubfontRange, kSubfontCount> table{};
    table.fill({0, 255});
    // The subfonts that hold the ends of GBK's code blocks carry fewer characters.
    table[24 - 1] = {0, 191};
    table[25 - 1] = {32, 255};
    table[26 - 1] = {0, 249};
    table[27 - 1] = {90, 172};
    table[28 - 1] = {24, 255};
    table[31 - 1] = {0, 205};
    table[32 - 1] = {44, 255};
    table[34 - 1] = {0, 197};
    table[35 - 1] = {36, 255};
    table[90 - 1] = {16, 255};
    table[91 - 1] = {0, 235};
    table[92 - 1] = {74, 169};
    table[93 - 1] = {8, 255};
    table[94 - 1] = {0, 37};
    return table;
}

} // namespace

const std::array<SubfontRange, kSubfontCount> kSubfontRangeTable = MakeTable();

} // namespace glyphsmith
