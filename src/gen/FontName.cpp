#include "FontName.h"

#include "Paths.h"

namespace glyphsmith {

FontName FontName::OfGbkFamily(std::string_view family) {
    return FontName(std::string("gbk").append(family));
}

std::string FontName::Subfont(int number) const {
    return Subfont(TwoDigits(number));
}

std::string FontName::File(int subfont, std::string_view extension) const {
    return Subfont(subfont) + std::string(extension);
}

std::string FontName::DirectoryIn(std::string_view directory) const {
    return JoinPath(directory, stem_);
}

std::string FontName::PathIn(std::string_view directory, int subfont,
                             std::string_view extension) const {
    return JoinPath(DirectoryIn(directory), File(subfont, extension));
}

} // namespace glyphsmith
