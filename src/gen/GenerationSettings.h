// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace glyphsmith {

#ifdef _WIN32
inline constexpr const char* kDefaultHtfDirectory = "..\\ht-fonts\\unicode\\cjk";
inline constexpr const char* kDefaultAliasDirectory = "..\\ht-fonts\\alias\\gbk";
#else
inline constexpr const char* kDefaultHtfDirectory = "../ht-fonts/unicode/cjk";
inline constexpr const char* kDefaultAliasDirectory = "../ht-fonts/alias/gbk";
#endif
inline constexpr const char* kDefaultCodePageFile = "MS-GBK-Codepage.txt";
inline constexpr const char* kDefaultEncDirectory = "enc";
inline constexpr const char* kDefaultSfdFile = "UGBK.sfd";
inline constexpr const char* kDefaultFontList = "song hei fs kai li you";

// The paths and options that the main window holds and the runs read.
struct GenerationSettings {
    std::string codePageFile = kDefaultCodePageFile;
    std::string encDirectory = kDefaultEncDirectory;
    std::string htfDirectory = kDefaultHtfDirectory;
    std::string sfdFile = kDefaultSfdFile;
    bool discardBlanks = true;
    std::string aliasDirectory = kDefaultAliasDirectory;
    bool bold = false;
    bool italic = false;
    std::string fontFamily;
    std::string otherStyle;
};

} // namespace glyphsmith
