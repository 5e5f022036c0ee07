// SPDX-License-Identifier: MIT
#include "StaleAsideFiles.h"

#include <algorithm>

namespace glyphsmith {

std::string AsideFileName(unsigned long processId, unsigned long number) {
    return ".glyphsmith-" + std::to_string(processId) + "-" + std::to_string(number) + ".tmp";
}

namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

bool IsAsideFileName(std::string_view name) {
    constexpr std::string_view kStart = ".glyphsmith-";
    constexpr std::string_view kEnd = ".tmp";
    if (name.size() < kStart.size() + kEnd.size() || !name.starts_with(kStart) ||
        !name.ends_with(kEnd)) {
        return false;
    }
    const std::string_view numbers =
        name.substr(kStart.size(), name.size() - kStart.size() - kEnd.size());
    const std::size_t dash = numbers.find('-');
    return dash != std::string_view::npos && AllDigits(numbers.substr(0, dash)) &&
           AllDigits(numbers.substr(dash + 1));
}

} // namespace glyphsmith
