// SPDX-License-Identifier: MIT
#include "SfdValueKind.h"

namespace glyphsmith {

namespace {

constexpr std::uint32_t kLastUnicodeValue = 0x10FFFF;

bool IsDoubleByteCode(std::uint32_t value) {
    const std::uint32_t first = value >> 8;
    const std::uint32_t second = value & 0xFF;
    return first >= 0x81 && first <= 0xFE && second >= 0x40 && second <= 0xFE;
}

} // namespace

SfdValueKind ValueKindOf(const SfdFile& file) {
    bool givesCodes = false;
    bool onlyDoubleByteCodes = true;
    for (const SfdSubfont& subfont : file.Subfonts()) {
        for (const SfdRun& run : subfont.Runs()) {
            givesCodes = true;
            if (run.value + static_cast<std::uint32_t>(run.count - 1) > kLastUnicodeValue) {
                return SfdValueKind::NativeCodes;
            }
            for (int i = 0; i < run.count && onlyDoubleByteCodes; ++i) {
                onlyDoubleByteCodes = IsDoubleByteCode(run.value + static_cast<std::uint32_t>(i));
            }
        }
    }
    return givesCodes && onlyDoubleByteCodes ? SfdValueKind::NativeCodes : SfdValueKind::Unicode;
}

} // namespace glyphsmith
