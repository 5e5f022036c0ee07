// SPDX-License-Identifier: MIT
#include "HtfInvariants.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace glyphsmith::fuzz {

namespace {

[[noreturn]] void Violation(const char* what, const std::string& line) {
    std::fprintf(stderr, "invariant broken: %s: \"%s\"\n", what, line.c_str());
    std::abort();
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start != text.size()) {
        Violation("text after the last line end", text.substr(start));
    }
    return lines;
}

bool IsCharacterForm(const std::string& row) {
    if (row.compare(0, 4, "'&#x") != 0 || row.compare(8, 6, ";' '' ") != 0) {
        return false;
    }
    for (int i = 4; i < 8; ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(row[i]))) {
            return false;
        }
    }
    return true;
}

void CheckRow(const std::string& row, int code, const std::string& completion) {
    char number[8];
    std::snprintf(number, sizeof number, "%3d", code);
    if (row.size() < 17 || row.compare(14, 3, number) != 0) {
        Violation("row without its code", row);
    }
    if (!IsCharacterForm(row) && row.compare(0, 14, "  ''       '' ") != 0) {
        Violation("row in no known form", row);
    }
    if (row.compare(17, std::string::npos, completion) != 0) {
        Violation("row with the wrong template line", row);
    }
}

std::string WithoutLineEnd(const std::string& line) {
    return line.substr(0, line.size() - 1);
}

} // namespace

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

void CheckHtfFile(const std::string& text, const HtfFileSpec& file,
                  const CopyrightTemplate& copyright, CalendarDate date) {
    const std::vector<std::string> lines = SplitLines(text);
    const std::string header = WithoutLineEnd(HtfHeaderLine(file));
    if (lines.size() < 2 || lines.front() != header || lines.back() != header) {
        Violation("header and trailer", lines.empty() ? text : lines.front());
    }
    int first = 0;
    int last = 0;
    std::sscanf(header.c_str() + file.font.Subfont(file.subfont).size(), "%d %d", &first, &last);
    if (static_cast<int>(lines.size()) != last - first + 3) {
        Violation("row count outside the header's range", header);
    }
    const auto& templateLines = copyright.Lines();
    const std::string dated = WithoutLineEnd(DatedComment(file.font.File(file.subfont), date));
    for (int code = first; code <= last; ++code) {
        const std::size_t index = static_cast<std::size_t>(code - first);
        std::string completion;
        if (index < templateLines.size()) {
            completion = templateLines[index].isDatedComment
                             ? dated
                             : WithoutLineEnd(templateLines[index].text);
        }
        CheckRow(lines[index + 1], code, completion);
    }
}

} // namespace glyphsmith::fuzz
