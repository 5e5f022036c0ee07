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

// Lines taken in bulk keep their bytes; only the CR of a CR LF goes, and every line taken
// ends with LF. What follows the lines taken is left for Next().
TEST(LineReader, AppendsWholeLinesAcrossBlocksWithBareLineEnds) {
    const std::size_t block = LineReader::kBlockSize;
    const std::string full(block, 'a');
    const std::string almost(block - 1, 'a');
    std::string crLfRows;   // 200 rows of 100 bytes: the block ends inside row 164
    std::string bareLfRows; // the same rows as they are appended
    for (int row = 0; row < 200; ++row) {
        crLfRows += std::string(98, 'r') + "\r\n";
        bareLfRows += std::string(98, 'r') + "\n";
    }
    const struct {
        std::string text;
        int count;
        std::string appended;
        int lineNumber;
        std::string rest; // the next line, "<end>" at the end of the input
    } cases[] = {
        {"", 3, "", 0, "<end>"},
        {"a\nb\n", 0, "", 0, "a"},
        {"a\r\nb\rc\r\n\r\nd\n", 3, "a\nb\rc\n\n", 3, "d"},
        {"a\nb", 5, "a\nb\n", 2, "<end>"},
        {"a\nb\r", 2, "a\nb\r\n", 2, "<end>"}, // a CR without LF stays
        {"\r\n\n\r", 2, "\n\n", 2, "\r"},
        {std::string("x\0y\nz\n", 6), 1, std::string("x\0y\n", 4), 1, "z"},
        {almost + "\r\nb\nc\n", 2, almost + "\nb\n", 2, "c"}, // CR ends a block, LF begins the next
        {full + "\nb\n", 1, full + "\n", 1, "b"},
        {"a\n" + full + full + "x\ny", 2, "a\n" + full + full + "x\n", 2, "y"},
        {crLfRows + "last\n", 200, bareLfRows, 200, "last"},
        {crLfRows, 300, bareLfRows, 200, "<end>"},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.text);
        LineReader reader(in);
        std::string appended = "kept";
        EXPECT_EQ(reader.AppendLines(appended, c.count), c.lineNumber) << c.text.size();
        EXPECT_EQ(appended, "kept" + c.appended) << c.text.size();
        EXPECT_EQ(reader.LineNumber(), c.lineNumber) << c.text.size();
        std::string rest;
        EXPECT_EQ(reader.Next(rest) ? rest : "<end>", c.rest) << c.text.size();
    }
}

} // namespace
} // namespace glyphsmith::test
