// SPDX-License-Identifier: MIT
#include "Unicode.h"

namespace glyphsmith {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The smallest and largest second byte that may follow a leading byte, so that overlong
// forms, surrogates and values beyond U+10FFFF are cut short at their second byte.
struct Lead {
    int length;
    int low;
    int high;
};

Lead LeadOf(unsigned char byte) {
    if (byte >= 0xC2 && byte <= 0xDF) {
        return {2, 0x80, 0xBF};
    }
    if (byte >= 0xE0 && byte <= 0xEF) {
        return {3, byte == 0xE0 ? 0xA0 : 0x80, byte == 0xED ? 0x9F : 0xBF};
    }
    if (byte >= 0xF0 && byte <= 0xF4) {
        return {4, byte == 0xF0 ? 0x90 : 0x80, byte == 0xF4 ? 0x8F : 0xBF};
    }
    return {0, 0, 0};
}

// The character that starts at utf8[pos], and pos moved past it; an ill-formed sequence
// gives U+FFFD for its longest valid beginning, or for its one byte.
char32_t NextCharacter(std::string_view utf8, std::size_t& pos) {
    const auto byte = static_cast<unsigned char>(utf8[pos++]);
    if (byte < 0x80) {
        return byte;
    }
    const Lead lead = LeadOf(byte);
    if (lead.length == 0) {
        return kReplacement;
    }
    char32_t value = byte & (0xFF >> (lead.length + 1));
    for (int i = 1; i < lead.length; ++i) {
        if (pos >= utf8.size()) {
            return kReplacement;
        }
        const auto next = static_cast<unsigned char>(utf8[pos]);
        const bool fits = i == 1 ? next >= lead.low && next <= lead.high : IsContinuation(next);
        if (!fits) {
            return kReplacement;
        }
        value = (value << 6) | (next & 0x3F);
        ++pos;
    }
    return value;
}

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

template <typename Unit> std::basic_string<Unit> ToUnits(std::string_view utf8) {
    std::basic_string<Unit> units;
    units.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t c = NextCharacter(utf8, pos);
        if (c < 0x10000) {
            units.push_back(static_cast<Unit>(c));
        } else {
            units.push_back(static_cast<Unit>(0xD800 + ((c - 0x10000) >> 10)));
            units.push_back(static_cast<Unit>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
    }
    return units;
}

// Takes the code units one by one through unitAt(i), so that bytes in either order read
// like a string of units.
template <typename UnitAt> std::string FromUnits(std::size_t count, UnitAt unitAt) {
    std::string utf8;
    utf8.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t unit = unitAt(i);
        if (IsHighSurrogate(unit) && i + 1 < count && IsLowSurrogate(unitAt(i + 1))) {
            AppendUtf8(0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00), utf8);
            ++i;
        } else {
            AppendUtf8(IsHighSurrogate(unit) || IsLowSurrogate(unit) ? kReplacement : unit, utf8);
        }
    }
    return utf8;
}

template <typename Unit> std::string FromUnits(std::basic_string_view<Unit> units) {
    return FromUnits(units.size(), [units](std::size_t i) { return char32_t{units[i]}; });
}

} // namespace

std::u16string Utf16FromUtf8(std::string_view utf8) {
    return ToUnits<char16_t>(utf8);
}

std::string Utf8FromUtf16(std::u16string_view utf16) {
    return FromUnits(utf16);
}

std::string Utf8FromUtf16Bytes(std::string_view bytes, ByteOrder order) {
    const int high = order == ByteOrder::BigEndian ? 0 : 1;
    std::string utf8 = FromUnits(bytes.size() / 2, [bytes, high](std::size_t i) {
        const auto byteAt = [&](int which) {
            return char32_t{static_cast<unsigned char>(bytes[2 * i + which])};
        };
        return (byteAt(high) << 8) | byteAt(1 - high);
    });
    if (bytes.size() % 2 != 0) {
        AppendUtf8(kReplacement, utf8);
    }
    return utf8;
}

#ifdef _WIN32
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring WideFromUtf8(std::string_view utf8) {
    return ToUnits<wchar_t>(utf8);
}

std::string Utf8FromWide(std::wstring_view wide) {
    return FromUnits(wide.size(),
                     [wide](std::size_t i) { return char32_t{static_cast<char16_t>(wide[i])}; });
}
#endif

} // namespace glyphsmith
