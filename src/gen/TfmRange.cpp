// SPDX-License-Identifier: MIT
#include "TfmRange.h"

#include "InputShortage.h"
#include "Paths.h"

#include <array>
#include <fstream>
#include <system_error>

namespace glyphsmith {

namespace {

constexpr std::size_t kHalfwords = 12;
constexpr std::size_t kHeaderBytes = 2 * kHalfwords;
// lf is a halfword, so no TFM file is longer.
constexpr std::uintmax_t kMostBytes = 4 * 0xFFFF;

std::array<unsigned, kHalfwords> HalfwordsOf(std::string_view bytes) {
    std::array<unsigned, kHalfwords> halfwords{};
    for (std::size_t i = 0; i < kHalfwords; ++i) {
        halfwords[i] = static_cast<unsigned char>(bytes[2 * i]) << 8 |
                       static_cast<unsigned char>(bytes[2 * i + 1]);
    }
    return halfwords;
}

std::string Bytes(std::uintmax_t count) {
    return std::to_string(count) + (count == 1 ? " byte" : " bytes");
}

} // namespace

TfmRangeOrRefusal TfmRangeOf(std::string_view bytes) {
    if (bytes.empty()) {
        return "the file is empty";
    }
    if (bytes.size() < kHeaderBytes) {
        return "the file ends after " + Bytes(bytes.size()) + ", within the " +
               Bytes(kHeaderBytes) + " that begin a TFM file";
    }
    const auto [lf, lh, bc, ec, nw, nh, nd, ni, nl, nk, ne, np] = HalfwordsOf(bytes);
    if (4 * std::uintmax_t{lf} != bytes.size()) {
        return "the file has " + Bytes(bytes.size()) + ", but its length lf says " +
               std::to_string(lf) + " words (" + Bytes(4 * std::uintmax_t{lf}) + ")";
    }
    if (ec > 255) {
        return "its last code ec is " + std::to_string(ec) + ", beyond 255";
    }
    if (bc > ec + 1) {
        return "its first code bc " + std::to_string(bc) + " lies beyond its last code ec " +
               std::to_string(ec);
    }
    const unsigned words = 6 + lh + (ec + 1 - bc) + nw + nh + nd + ni + nl + nk + ne + np;
    if (words != lf) {
        return "its parts add up to " + std::to_string(words) + " words, not to its length lf " +
               std::to_string(lf);
    }
    return TfmRange{static_cast<int>(bc), static_cast<int>(ec)};
}

TfmRangeOrRefusal ReadTfmRange(const std::string& path) {
    const auto refusal = [&path](std::string_view reason) -> TfmRangeOrRefusal {
        return InputNote(path, std::nullopt, reason);
    };
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(FsPath(path), error);
    if (error || !std::filesystem::is_regular_file(FsPath(path), error)) {
        return refusal("the file cannot be read");
    }
    if (size > kMostBytes) {
        return refusal("the file has " + Bytes(size) + ", more than a TFM file can have");
    }
    std::ifstream in(FsPath(path), std::ios::binary);
    std::string bytes(size, '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) {
        return refusal("the file cannot be read");
    }
    TfmRangeOrRefusal range = TfmRangeOf(bytes);
    if (const std::string* reason = std::get_if<std::string>(&range)) {
        return refusal(*reason);
    }
    return range;
}

} // namespace glyphsmith
