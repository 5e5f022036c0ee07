// SPDX-License-Identifier: MIT
#include "LineReader.h"

#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace glyphsmith::test {
namespace {

struct ReadLines {
    std::vector<std::string> lines;
    bool lastHadLineEnd = false;
};

ReadLines ReadAll(const std::string& text) {
    std::istringstream in(text);
    LineReader reader(in);
    ReadLines read;
    std::string line;
    while (reader.Next(line)) {
        read.lines.push_back(line);
        read.lastHadLineEnd = reader.HadLineEnd();
        EXPECT_EQ(reader.LineNumber(), static_cast<int>(read.lines.size()));
    }
    return read;
}

// Lines are read in blocks; what lies on either side of a block's end must read as one.
TEST(LineReader, ReadsLinesAcrossTheEndsOfItsBlocks) {
    const std::size_t block = LineReader::kBlockSize;
    const std::string full(block, 'a');
    const std::string almost(block - 1, 'a');
    const struct {
        std::string text;
        std::vector<std::string> lines;
        bool lastHadLineEnd;
    } cases[] = {
        {"", {}, false},
        {"\n", {""}, true},
        {"a\r\nb", {"a", "b"}, false},
        {"a\rb\n", {"a\rb"}, true},
        {almost + "\r\nb\n", {almost, "b"}, true}, // CR ends a block, LF begins the next
        {full + "\nb", {full, "b"}, false},        // LF begins the second block
        {almost + "\n" + full + "x", {almost, full + "x"}, false},
        {full + full + "\r", {full + full + "\r"}, false}, // a CR without LF stays
    };
    for (const auto& c : cases) {
        const ReadLines read = ReadAll(c.text);
        EXPECT_EQ(read.lines, c.lines) << c.text.size();
        EXPECT_EQ(read.lastHadLineEnd, c.lastHadLineEnd) << c.text.size();
    }
}

} // namespace
} // namespace glyphsmith::test
