// SPDX-License-Identifier: MIT
#pragma once

#include "SfdFile.h"

#include <string_view>

namespace glyphsmith {

// What the codes of a subfont definition file are: Unicode values, which rows can name,
// or the native codes of an encoding (Big5, Shift-JIS, EUC), which they cannot.
enum class SfdValueKind { Unicode, NativeCodes };

// Native codes are double-byte codes: a first byte from 0x81 to 0xFE and a second from
// 0x40 to 0xFE, the form of every Big5, GBK, Shift-JIS, EUC and KS code. A file of
// Unicode values always gives other codes too: Latin letters, U+3000, U+4E02, U+AC00.
// A file without codes is taken for Unicode, since nothing of it would be written.
SfdValueKind ValueKindOf(const SfdFile& file);

inline constexpr std::string_view kSfdValueKindHelp =
    "The subfont definition file must give Unicode values, as UGB.sfd, UGBK.sfd, "
    "UBig5.sfd, UBg5plus.sfd, UJIS.sfd, UKS.sfd, UKS-HLaTeX.sfd and Unicode.sfd do. A file "
    "of native codes (Big5.sfd, SJIS.sfd, EUC.sfd, KS-HLaTeX.sfd, HKSCS.sfd) is refused: "
    "a file is taken for one when every code it gives is a double-byte code of a CJK "
    "encoding (a first byte from 0x81 to 0xFE, a second from 0x40 to 0xFE), or when it "
    "gives a code beyond Unicode (above 0x10FFFF). A file of Unicode values always gives "
    "other codes as well, such as the letters of its subfont 00 or U+3000.";

} // namespace glyphsmith
