// SPDX-License-Identifier: MIT
#pragma once

#include "Paths.h"

#include <string>
#include <string_view>

namespace glyphsmith {

// The name of a font that TeX splits into subfonts, and the names of its files. The stem
// ("gbksong", "unisong") names the font's directory; a subfont's name follows it
// ("gbksong07", "unisong4e") in file names and .htf headers alike. A subfont goes by its
// name as a subfont definition file writes it ("4e", "0100"), or by a GBK subfont number,
// which has two digits at least.
class FontName {
  public:
    explicit FontName(std::string stem) : stem_(std::move(stem)) {}

    // The GBK font of a family as the font list names it: "song" gives "gbksong".
    static FontName OfGbkFamily(std::string_view family);

    const std::string& Stem() const { return stem_; }

    std::string Subfont(std::string_view name) const { return stem_ + std::string(name); }
    std::string Subfont(int number) const { return Subfont(TwoDigits(number)); }

    // "gbksong07.htf", or with another extension "gbksong07.enc".
    std::string File(std::string_view subfont, std::string_view extension = ".htf") const {
        return Subfont(subfont) + std::string(extension);
    }
    std::string File(int subfont, std::string_view extension = ".htf") const {
        return File(TwoDigits(subfont), extension);
    }

    // "D/gbksong": the font's directory under the directory of a run.
    std::string DirectoryIn(std::string_view directory) const { return JoinPath(directory, stem_); }
    // "D/gbksong/gbksong07.htf": a file of the font under the directory of a run.
    std::string PathIn(std::string_view directory, std::string_view subfont,
                       std::string_view extension = ".htf") const {
        return JoinPath(DirectoryIn(directory), File(subfont, extension));
    }
    std::string PathIn(std::string_view directory, int subfont,
                       std::string_view extension = ".htf") const {
        return PathIn(directory, TwoDigits(subfont), extension);
    }

  private:
    std::string stem_;
};

} // namespace glyphsmith
