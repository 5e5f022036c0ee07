// SPDX-License-Identifier: MIT
// The code page table together with one .enc file: the first byte picks the subfont
// and the option, the rest is the table, a NUL byte, and the .enc file.
#include "CodePageTable.h"
#include "HtfInvariants.h"

#include <sstream>

using namespace glyphsmith;

static constexpr CalendarDate kDate{2005, 5, 18};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const int subfont = 1 + data[0] % 94;
    const HtfFileSpec file = GbkHtfFile(FontName("gbkfuzz"), subfont, (data[0] & 0x80) != 0);
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = rest.find('\0');
    std::istringstream table(rest.substr(0, split));
    std::istringstream enc(split == std::string::npos ? "" : rest.substr(split + 1));

    std::istringstream templateText(" % one\n % file.htf\n");
    const CopyrightTemplate copyright = CopyrightTemplate::Parse(templateText);
    const CodePageTable values = CodePageTable::Read(table);
    InputShortage encShortage("fuzz.enc");
    InputShortage tableShortage("fuzz.txt");
    std::ostringstream out;
    WriteHtfFile(
        out, file, copyright, [] { return kDate; },
        EncodedSubfont(enc, values, subfont, encShortage, tableShortage));
    fuzz::CheckHtfFile(out.str(), file, copyright, kDate);
    return 0;
}
