// SPDX-License-Identifier: MIT
// The template merge: any text as "copyright.txt", merged into one .htf file.
#include "HtfInvariants.h"

#include <sstream>

using namespace glyphsmith;

static constexpr CalendarDate kDate{2026, 12, 7};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
    const CopyrightTemplate copyright = CopyrightTemplate::Parse(text);
    const HtfFileSpec file = GbkHtfFile(FontName("gbkfuzz"), 27, size % 2 == 0);
    std::ostringstream out;
    WriteHtfFile(
        out, file, copyright, [] { return kDate; },
        [](int code, bool) {
            return code % 3 == 0 ? CharacterReference() : CharacterReference("x4E02");
        });
    fuzz::CheckHtfFile(out.str(), file, copyright, kDate);
    return 0;
}
