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

namespace {

// The library's own conversions on Windows throw on a sequence they cannot convert: a
// name on disk may hold a lone surrogate, and a typed path may be cut inside a character.
NativePath::String NativeFromUtf8(const std::string& utf8) {
#ifdef _WIN32
    return WideFromUtf8(utf8);
#else
    return utf8;
#endif
}

bool IsNativeSeparator(NativePath::Char c) {
    return c == '/' || (kPathSeparator == '\\' && c == '\\');
}

// Where a path's directory part ends that ends in no separator: after "C:" on Windows,
// whose "C:x.htf" lies in the current directory of drive C.
std::size_t DriveEnd(const NativePath::String& path) {
    return kPathSeparator == '\\' && path.size() >= 2 && path[1] == ':' ? 2 : 0;
}

} // namespace

NativePath::NativePath(const std::string& utf8) : native_(NativeFromUtf8(utf8)) {}

NativePath NativePath::Of(String native) {
    NativePath path;
    path.native_ = std::move(native);
    return path;
}

NativePath NativePath::Parent() const {
    const auto last = std::find_if(native_.rbegin(), native_.rend(), IsNativeSeparator);
    const std::size_t end = native_.rend() - last;
    if (end == 0) {
        return Of(native_.substr(0, DriveEnd(native_)));
    }
    // The separator goes only where it is all there is of a root: "/", "C:\".
    std::size_t parentEnd = end - 1;
    while (parentEnd > 0 && IsNativeSeparator(native_[parentEnd - 1])) {
        --parentEnd;
    }
    const bool root = parentEnd == 0 || parentEnd == DriveEnd(native_);
    return Of(native_.substr(0, root ? end : parentEnd));
}

NativePath NativePath::operator/(std::string_view name) const {
    String joined = native_;
    if (!joined.empty() && !IsNativeSeparator(joined.back()) && joined.size() != DriveEnd(joined)) {
        joined.push_back(static_cast<Char>(kPathSeparator));
    }
    joined.append(name.begin(), name.end());
    return Of(std::move(joined));
}

std::filesystem::path FsPath(const std::string& utf8) {
    return NativePath(utf8).Native();
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
