// SPDX-License-Identifier: MIT
#include "Cp936Samples.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <stdexcept>

namespace glyphsmith::samples {

namespace {

constexpr int kTrailBytesPerLead = 190;

std::uint8_t TrailByteAt(int index) {
    return static_cast<std::uint8_t>(index < 63 ? 0x40 + index : 0x80 + (index - 63));
}

class Cp936Converter {
  public:
    Cp936Converter() : handle_(iconv_open("UTF-32LE", "CP936")) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("iconv has no CP936 converter");
        }
    }
    ~Cp936Converter() { iconv_close(handle_); }
    Cp936Converter(const Cp936Converter&) = delete;
    Cp936Converter& operator=(const Cp936Converter&) = delete;

    std::optional<char32_t> Convert(GbkCode code) {
        std::array<char, 2> in = {static_cast<char>(code.lead), static_cast<char>(code.trail)};
        std::array<unsigned char, 8> out{};
        char* inPtr = in.data();
        char* outPtr = reinterpret_cast<char*>(out.data());
        std::size_t inLeft = in.size();
        std::size_t outLeft = out.size();
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
            inLeft != 0 || outLeft != 4) {
            return std::nullopt;
        }
        return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
    }

  private:
    iconv_t handle_;
};

std::string Hex4(char32_t value, bool upper) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, upper ? "%04X" : "%04x", static_cast<unsigned>(value));
    return buffer;
}

} // namespace

std::optional<GbkCode> GbkCodeOf(int subfont, int code) {
    const int index = 256 * (subfont - 1) + code;
    const int lead = 0x81 + index / kTrailBytesPerLead;
    if (lead > 0xFE) {
        return std::nullopt;
    }
    return GbkCode{static_cast<std::uint8_t>(lead), TrailByteAt(index % kTrailBytesPerLead)};
}

std::optional<char32_t> UnicodeOf(GbkCode code) {
    static Cp936Converter converter;
    return converter.Convert(code);
}

std::string MakeCodePageTable() {
    std::string table = ";Glyphsmith sample table made from iconv's CP936 converter\n"
                        "CODEPAGE 936\n;LeadByte = 0x81\nDBCSTABLE 190\n";
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int i = 0; i < kTrailBytesPerLead; ++i) {
            const GbkCode code{static_cast<std::uint8_t>(lead), TrailByteAt(i)};
            table += "0x" + Hex4(code.trail, false).substr(2) + "\t0x" +
                     Hex4(UnicodeOf(code).value_or(0xFFFE), false) + "\n";
        }
        table += "\n;LeadByte = 0x" + Hex4(lead + 1, true).substr(2) + "\nDBCSTABLE 190\n";
    }
    return table;
}

std::string MakeEncFile(const std::string& fontName, int subfont) {
    char number[4];
    std::snprintf(number, sizeof number, "%02d", subfont);
    std::string enc = "/" + fontName + number + " [\n";
    for (int code = 0; code < 256; ++code) {
        const auto gbk = GbkCodeOf(subfont, code);
        const auto unicode = gbk ? UnicodeOf(*gbk) : std::nullopt;
        enc += unicode ? "/uni" + Hex4(*unicode, true) + "\n" : "/.notdef\n";
    }
    return enc + "] def\n";
}

void WriteSampleInputs(const std::string& directory, const std::string& family) {
    const std::filesystem::path root(directory);
    std::filesystem::create_directories(root);
    std::ofstream(root / "MS-GBK-Codepage.txt", std::ios::binary) << MakeCodePageTable();
    const std::filesystem::path encDirectory = root / "enc" / family;
    std::filesystem::create_directories(encDirectory);
    for (int subfont = 1; subfont <= 94; ++subfont) {
        char name[64];
        std::snprintf(name, sizeof name, "%s%02d.enc", family.c_str(), subfont);
        std::ofstream(encDirectory / name, std::ios::binary) << MakeEncFile(family, subfont);
    }
}

} // namespace glyphsmith::samples
