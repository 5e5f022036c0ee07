// SPDX-License-Identifier: MIT
#pragma once

#include "CalendarDate.h"
#include "CodeRange.h"
#include "CopyrightTemplate.h"
#include "FontName.h"
#include "SubfontRangeTable.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace glyphsmith {

// The character of a code as the row names it, "x" and four hexadecimal digits ("x4E02"),
// more for values beyond 0xFFFF ("x10FFFF"); none for a code without a character. Held in
// place, as every code of a run is given one.
class CharacterReference {
  public:
    // "x" and the six digits of the last Unicode value.
    static constexpr std::size_t kMaxLength = 7;

    CharacterReference() = default;
    CharacterReference(std::nullopt_t) {}
    // From its text, "x" and the digits; implicit, so that "x4E02" stands for the reference.
    template <typename Text>
    requires std::is_convertible_v<const Text&, std::string_view>
    CharacterReference(const Text& text) {
        const std::string_view view(text);
        if (view.empty() || view.size() > kMaxLength) {
            throw std::length_error("a character reference of " + std::to_string(view.size()) +
                                    " characters");
        }
        view.copy(text_.data(), view.size());
        length_ = static_cast<std::uint8_t>(view.size());
    }

    explicit operator bool() const { return length_ != 0; }
    std::string_view Text() const { return {text_.data(), length_}; }
    // The text and the zeros after it up to kMaxLength, for a copy of fixed size.
    const std::array<char, kMaxLength>& PaddedText() const { return text_; }

    bool operator==(const CharacterReference&) const = default;

  private:
    std::array<char, kMaxLength> text_{}; // unused characters stay 0, so that == may compare all
    std::uint8_t length_ = 0;
};

// Gives the reference of each code 0 to 255 in turn, as codes(code, rowWritten). It is
// asked for every code, so that the generator's input stays in step; rowWritten says
// whether the code's row is written at all, so that a missing value of a left-out code
// needs no complaint.
template <typename Source>
concept CodeSource = std::is_invocable_r_v<CharacterReference, Source&, int, bool>;

// One .htf file: the font, the name of its subfont ("07", "4e", "0100") and the codes
// whose rows it holds.
struct HtfFileSpec {
    FontName font;
    std::string subfont;
    CodeRange range;
};

// The codes of a GBK subfont's rows: its entry in the range table with blanks discarded,
// all 256 otherwise.
CodeRange GbkCodeRange(int subfont, bool discardBlanks);

// A GBK subfont's file as the generators write it, with the codes of GbkCodeRange.
HtfFileSpec GbkHtfFile(const FontName& font, int subfont, bool discardBlanks);

// "gbksong27 90 172\n": the subfont's font name and the range.
std::string HtfHeaderLine(const HtfFileSpec& file);

// The characters of a row before its template line, 17 with "x" and four digits.
std::string RowText(CharacterReference reference, int code);

// Rows as they are formed, each put in place: they are formed for every code of a run.
class RowBuffer {
  public:
    explicit RowBuffer(CodeRange range);

    // Adds the row of a code of the range and its line end; inline, in copies of fixed
    // size. A reference is copied with its padding, which the text after it overwrites.
    void Add(CharacterReference reference, int code) {
        char* out = end_; // a local: a member would be reloaded after every copy
        if (reference) {
            out = Put(out, "'&#");
            std::memcpy(out, reference.PaddedText().data(), CharacterReference::kMaxLength);
            out = Put(out + reference.Text().size(), ";' '' ");
        } else {
            out = Put(out, "  ''       '' ");
        }
        const std::array<char, 4>& columns = kCodeColumns.at(static_cast<std::size_t>(code));
        end_ = std::copy(columns.begin(), columns.end(), out);
    }
    // The rows added, which the buffer gives up.
    std::string Take();

  private:
    // Each code in decimal, right-aligned in three columns and followed by the row's line
    // end, spelt once rather than per row.
    static constexpr auto kCodeColumns = [] {
        std::array<std::array<char, 4>, kCodesPerSubfont> columns{};
        for (int code = 0; code < kCodesPerSubfont; ++code) {
            columns[code] = {code >= 100 ? static_cast<char>('0' + code / 100) : ' ',
                             code >= 10 ? static_cast<char>('0' + code / 10 % 10) : ' ',
                             static_cast<char>('0' + code % 10), '\n'};
        }
        return columns;
    }();

    // Literal text without its terminating zero.
    template <std::size_t N> static char* Put(char* out, const char (&text)[N]) {
        std::memcpy(out, text, N - 1);
        return out + N - 1;
    }

    std::string rows_; // room for the longest rows
    char* end_;
};

// The rows of the codes in range, each before its template line and ended by a line end.
// They do not depend on the font, so one forming may serve many files.
template <CodeSource Codes> std::string FormRows(CodeRange range, Codes&& codes) {
    RowBuffer rows(range);
    const int first = std::clamp(range.first, 0, kCodesPerSubfont); // never a code beyond 255
    const int last = std::min(range.last, kCodesPerSubfont - 1);
    int code = 0;
    for (; code < first; ++code) {
        codes(code, false);
    }
    for (; code <= last; ++code) {
        rows.Add(codes(code, true), code);
    }
    for (; code < kCodesPerSubfont; ++code) {
        codes(code, false);
    }
    return rows.Take();
}

// Formed rows with the template's lines merged in, in pieces between which the dated
// comments go: all that the files of one subfont share whatever their font, so that one
// merging may serve many files.
struct MergedRows {
    std::vector<std::string> pieces; // one more than the dated comments
};

// Completes each formed row by its template line, as far as either goes.
MergedRows MergeTemplate(std::string_view rows, const CopyrightTemplate& copyright);

// Writes header, merged rows with the dated comments of the file, and trailer of one .htf
// file.
void WriteMergedHtfFile(std::ostream& out, const HtfFileSpec& file, CalendarDate date,
                        const MergedRows& rows);

// Writes header, rows and trailer of one .htf file, each formed row completed by its
// template line.
void WriteFormedHtfFile(std::ostream& out, const HtfFileSpec& file,
                        const CopyrightTemplate& copyright, CalendarDate date,
                        std::string_view rows);

// Writes header, rows and trailer of one .htf file. The date of its dated comments is
// taken from dateOfFile once, before the rows.
template <CodeSource Codes>
void WriteHtfFile(std::ostream& out, const HtfFileSpec& file, const CopyrightTemplate& copyright,
                  const Clock& dateOfFile, Codes&& codes) {
    const CalendarDate date = dateOfFile();
    WriteFormedHtfFile(out, file, copyright, date, FormRows(file.range, codes));
}

} // namespace glyphsmith
