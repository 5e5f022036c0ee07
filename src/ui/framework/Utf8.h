#pragma once

#include <QString>
#include <string_view>

namespace glyphsmith::ui {

// The program keeps its texts as UTF-8 byte strings; Qt shows QStrings.
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace glyphsmith::ui
