// SPDX-License-Identifier: MIT
#include "Paths.h"

#include "Unicode.h"

#include <algorithm>

namespace glyphsmith {

std::string JoinPath(std::string_view directory, std::string_view name) {
    std::string path;
    path.reserve(directory.size() + 1 + name.size());
    path.append(directory);
    path.push_back(kPathSeparator);
    path.append(name);
    return path;
}

// The library's own conversions on Windows throw on a sequence they cannot convert: a
// name on disk may hold a lone surrogate, and a typed path may be cut inside a character.
std::filesystem::path FsPath(const std::string& utf8) {
#ifdef _WIN32
    return std::filesystem::path(WideFromUtf8(utf8));
#else
    return std::filesystem::path(utf8);
#endif
}

std::string Utf8(const std::filesystem::path& path) {
#ifdef _WIN32
    return Utf8FromWide(path.native());
#else
    return path.native();
#endif
}

std::string CurrentDirectory() {
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::current_path(error);
    return error ? "." : Utf8(directory);
}

bool HoldsPathSeparator(std::string_view name) {
    return std::any_of(name.begin(), name.end(), [](char c) { return c == '/' || c == '\\'; });
}

bool EndDroppedBySystem([[maybe_unused]] std::string_view name) {
#ifdef _WIN32
    return name.ends_with('.') || name.ends_with(' ');
#else
    return false;
#endif
}

std::string TwoDigits(int number) {
    std::string digits = std::to_string(number);
    return digits.size() < 2 ? "0" + digits : digits;
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

} // namespace glyphsmith
