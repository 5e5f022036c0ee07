// SPDX-License-Identifier: MIT
#include "CodePageTable.h"

#include <cctype>

namespace glyphsmith {

std::optional<std::string_view> TableLineDigits(std::string_view line) {
    constexpr std::size_t kFirst = 7; // character 8, counting from 1
    constexpr std::size_t kCount = 4;
    if (line.size() < kFirst + kCount) {
        return std::nullopt;
    }
    const std::string_view digits = line.substr(kFirst, kCount);
    for (char c : digits) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
    }
    return digits;
}

bool CodePageWalk::SkipPreamble() {
    bool found = false;
    while (!found && reader_.Next(line_)) {
        found = line_.find(kCodePageMarker) != std::string::npos;
    }
    reader_.Next(line_);
    return found;
}

CodePageWalk::Value CodePageWalk::Next() {
    if (blockEnded_) {
        // The lines between two blocks, passed over only now, so that the value before
        // them stayed valid until this step.
        for (int i = 0; i < 3; ++i) {
            reader_.Next(line_);
        }
        blockEnded_ = false;
    }
    Value value{std::nullopt, 0, false};
    if (reader_.Next(line_)) {
        value.digits = TableLineDigits(line_);
    } else {
        value.tableEnded = true;
    }
    value.line = reader_.LineNumber();
    AdvanceTrailByte();
    return value;
}

void CodePageWalk::AdvanceTrailByte() {
    if (trailByte_ == 0x7E) {
        trailByte_ = 0x80; // the table names no code for second byte 0x7F
    } else if (trailByte_ == 0xFE) {
        trailByte_ = 0x40;
        blockEnded_ = true;
    } else {
        ++trailByte_;
    }
}

EncodedSubfont::EncodedSubfont(std::istream& enc, CodePageWalk& table, InputShortage& encShortage,
                               InputShortage& tableShortage)
    : enc_(enc), table_(table), encShortage_(encShortage), tableShortage_(tableShortage) {
    enc_.Next(encLine_); // the encoding's name
}

CharacterReference EncodedSubfont::operator()(int, bool rowWritten) {
    const bool encHasLine = enc_.Next(encLine_);
    const CodePageWalk::Value value = table_.Next();
    if (!rowWritten) {
        return std::nullopt;
    }
    if (!encHasLine) {
        encShortage_.Record(std::nullopt, EndedAfterLine("the file", enc_.LineNumber()));
        return std::nullopt;
    }
    if (encLine_.find("/.notdef") != std::string::npos) {
        return std::nullopt;
    }
    if (!value.digits) {
        if (value.tableEnded) {
            tableShortage_.Record(std::nullopt, EndedAfterLine("the table", value.line));
        } else {
            tableShortage_.Record(value.line, "no four hexadecimal digits at characters 8 to 11");
        }
        return std::nullopt;
    }
    std::string reference = "x";
    return reference.append(*value.digits);
}

} // namespace glyphsmith
