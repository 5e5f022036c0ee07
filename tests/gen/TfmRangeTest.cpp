// SPDX-License-Identifier: MIT
#include "TfmRange.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace glyphsmith {
namespace {

// The twelve halfwords of a TFM header, the rest of the file zeros.
std::string Tfm(std::vector<unsigned> halfwords, std::size_t bytes) {
    std::string file(bytes, '\0');
    for (std::size_t i = 0; i < halfwords.size() && 2 * i + 1 < bytes; ++i) {
        file[2 * i] = static_cast<char>(halfwords[i] >> 8);
        file[2 * i + 1] = static_cast<char>(halfwords[i] & 0xFF);
    }
    return file;
}

// lf 15 = 6 + lh 2 + three codes 3 to 5 + one word each of widths, heights, depths, italics.
const std::vector<unsigned> kCodes3To5 = {15, 2, 3, 5, 1, 1, 1, 1, 0, 0, 0, 0};

TEST(TfmRange, ReadsBcAndEcOrRefuses) {
    const std::vector<std::pair<std::string, TfmRangeOrRefusal>> cases = {
        {Tfm(kCodes3To5, 60), TfmRange{3, 5}},
        {Tfm({12, 2, 1, 0, 1, 1, 1, 1, 0, 0, 0, 0}, 48), TfmRange{1, 0}},
        {Tfm({268, 2, 0, 255, 1, 1, 1, 1, 0, 0, 0, 0}, 1072), TfmRange{0, 255}},
        {"", "the file is empty"},
        {Tfm(kCodes3To5, 23),
         "the file ends after 23 bytes, within the 24 bytes that begin a TFM file"},
        {Tfm(kCodes3To5, 1),
         "the file ends after 1 byte, within the 24 bytes that begin a TFM file"},
        {Tfm(kCodes3To5, 64), "the file has 64 bytes, but its length lf says 15 words (60 bytes)"},
        {Tfm({266, 2, 0, 256, 1, 1, 1, 1, 0, 0, 0, 0}, 1064),
         "its last code ec is 256, beyond 255"},
        {Tfm({15, 2, 7, 5, 1, 1, 1, 1, 0, 0, 0, 0}, 60),
         "its first code bc 7 lies beyond its last code ec 5"},
        {Tfm({15, 2, 3, 5, 1, 1, 1, 1, 0, 0, 0, 1}, 60),
         "its parts add up to 16 words, not to its length lf 15"},
    };
    for (const auto& [bytes, expected] : cases) {
        EXPECT_EQ(TfmRangeOf(bytes), expected) << bytes.size();
    }
}

TEST(TfmRange, ReadsAFileAndNamesItInARefusal) {
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() /
        ("glyphsmith-tfm-" +
         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::filesystem::create_directories(directory);
    const std::string good = (directory / "zzsong01.tfm").string();
    const std::string huge = (directory / "zzsong02.tfm").string();
    const std::string missing = (directory / "zzsong03.tfm").string();
    std::ofstream(good, std::ios::binary) << Tfm(kCodes3To5, 60);
    std::ofstream(huge, std::ios::binary) << std::string(4 * 0xFFFF + 1, 'x');
    EXPECT_EQ(ReadTfmRange(good), TfmRangeOrRefusal(TfmRange{3, 5}));
    EXPECT_EQ(
        ReadTfmRange(huge),
        TfmRangeOrRefusal(huge + ": the file has 262141 bytes, more than a TFM file can have"));
    EXPECT_EQ(ReadTfmRange(missing), TfmRangeOrRefusal(missing + ": the file cannot be read"));
    std::filesystem::remove_all(directory);
}

} // namespace
} // namespace glyphsmith
