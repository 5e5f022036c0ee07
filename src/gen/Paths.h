// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace glyphsmith {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
inline bool IsPathSeparator(char c) {
    return c == '\\' || c == '/';
}
#else
inline constexpr char kPathSeparator = '/';
inline bool IsPathSeparator(char c) {
    return c == '/';
}
#endif

// Joins two parts with the platform's separator, even when the first already ends in
// one, so that log lines show the path exactly as the run formed it.
std::string JoinPath(std::string_view directory, std::string_view name);

// A file-system path from a UTF-8 string (wide file names on Windows), and back. Neither
// throws: what cannot be converted becomes U+FFFD.
std::filesystem::path FsPath(const std::string& utf8);
std::string Utf8(const std::filesystem::path& path);

// The process's working directory as a UTF-8 string, for each program's main to resolve
// once; "." when the system cannot say which it is.
std::string CurrentDirectory();

// Whether a name holds a character that would take a path outside its directory.
bool HoldsPathSeparator(std::string_view name);

// Whether the system drops the end of a name that becomes part of a path: Windows drops a
// trailing dot or blank, so "song." would name song's directory. Never on other systems.
bool EndDroppedBySystem(std::string_view name);

// Two-digit subfont number with a leading zero, as font names carry it.
std::string TwoDigits(int number);

// Lower-cases the letters A to Z only, as the names of font directories are compared and
// written.
std::string AsciiLower(std::string_view text);

} // namespace glyphsmith
