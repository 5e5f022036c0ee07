// SPDX-License-Identifier: MIT
// The subfont definition file: any text as UGBK.sfd, three of its subfonts written out.
#include "HtfInvariants.h"
#include "SubfontDefinitions.h"

#include <sstream>

using namespace glyphsmith;

static constexpr CalendarDate kDate{2005, 5, 18};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const SubfontDefinitions definitions = SubfontDefinitions::Read(in);
    std::istringstream templateText(" % one\n % file.htf\n");
    const CopyrightTemplate copyright = CopyrightTemplate::Parse(templateText);
    const int picked = size == 0 ? 1 : 1 + data[0] % kSubfontCount;
    for (int subfont : {1, picked, kSubfontCount}) {
        const HtfFileSpec file = GbkHtfFile(FontName("gbkfuzz"), subfont, subfont % 2 == 0);
        InputShortage shortage("fuzz.sfd");
        std::ostringstream out;
        WriteHtfFile(
            out, file, copyright, [] { return kDate; },
            [&](int code, bool) { return definitions.Reference(subfont, code, shortage); });
        fuzz::CheckHtfFile(out.str(), file, copyright, kDate);
    }
    return 0;
}
