// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace glyphsmith {

struct CalendarDate {
    int year;
    int month; // 1 to 12
    int day;   // 1 to 31
};

// Today's local calendar date.
CalendarDate LocalToday();

// Where a run takes its dates from; tests give a fixed date.
using Clock = std::function<CalendarDate()>;

} // namespace glyphsmith
