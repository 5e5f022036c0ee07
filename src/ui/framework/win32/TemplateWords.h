// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>
#include <windows.h>

namespace glyphsmith::ui::win32 {

// The 16-bit words of an in-memory dialog template, written in order. The storage comes
// from operator new, so it starts on a DWORD boundary and AlignToDword pads relative to it.
class TemplateWords {
  public:
    void Word(WORD value) { words_.push_back(value); }
    void Short(int value) { Word(static_cast<WORD>(static_cast<SHORT>(value))); }
    void Dword(DWORD value);
    // UTF-16 with its terminating zero.
    void Text(std::string_view utf8);
    // A resource named by number: a decimal text becomes an ordinal (0xFFFF, number), as
    // resource compilers write it; any other text stays a name.
    void ResourceName(std::string_view text);
    void Ordinal(WORD value);
    void AlignToDword();

    const WORD* Data() const { return words_.data(); }

  private:
    std::vector<WORD> words_;
};

} // namespace glyphsmith::ui::win32
