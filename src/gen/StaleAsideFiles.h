// SPDX-License-Identifier: MIT
#pragma once

#include "Paths.h"

#include <string>
#include <string_view>
#include <type_traits>

namespace glyphsmith {

// Aside files are named ".glyphsmith-<process id>-<number>.tmp": short, so that they fit
// wherever the target's name fits, and unique among the writers of one machine, so that
// creating one rarely meets a name that is taken.
std::string AsideFileName(unsigned long processId, unsigned long number);

// Whether a name has the form of AsideFileName. Only such files are ever removed as stale;
// the names of earlier versions (".glyphsmith-<n>.tmp"), whose writers took no hold on
// their files, are left alone.
bool IsAsideFileName(std::string_view name);
// The same for a file-system name of the platform (wide on Windows).
template <typename Char> bool IsAsideFileName(std::basic_string_view<Char> name);

// Removes the aside files in directory whose writers have ended (AsideFile says how it
// tells), left by a run that was killed or lost its power.
void RemoveStaleAsideFiles(const NativePath& directory);

template <typename Char> bool IsAsideFileName(std::basic_string_view<Char> name) {
    std::string ascii;
    for (const Char c : name) {
        if (static_cast<std::make_unsigned_t<Char>>(c) > 127) {
            return false;
        }
        ascii.push_back(static_cast<char>(c));
    }
    return IsAsideFileName(std::string_view(ascii));
}

} // namespace glyphsmith
