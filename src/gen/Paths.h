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

// A path in the system's own form: UTF-8 bytes, UTF-16 on Windows. Unlike
// std::filesystem::path it is not split into its parts when it is made, which for a small
// output file costs more than writing it.
class NativePath {
  public:
    using String = std::filesystem::path::string_type;
    using Char = String::value_type;

    NativePath() = default;
    // From UTF-8; what cannot be converted becomes U+FFFD.
    NativePath(const std::string& utf8);
    NativePath(const char* utf8) : NativePath(std::string(utf8)) {}
    NativePath(const std::filesystem::path& path) : native_(path.native()) {}
    static NativePath Of(String native);

    const String& Native() const { return native_; }
    const Char* CStr() const { return native_.c_str(); }
    bool Empty() const { return native_.empty(); }
    void Clear() { native_.clear(); }
    auto operator<=>(const NativePath&) const = default;

    // The directory that holds the file, as std::filesystem::path::parent_path gives it for
    // the paths that runs form: empty for a bare name, a root with its separator.
    NativePath Parent() const;
    // A file named name (ASCII) in this directory.
    NativePath operator/(std::string_view name) const;

  private:
    String native_;
};

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
