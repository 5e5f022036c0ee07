#include "Resources.h"

#include <QFile>
#include <array>
#include <utility>

namespace glyphsmith::res {

namespace {

// The string table. The menu entry reads "TeXht", not "TeX4ht".
constexpr std::array<std::pair<int, std::string_view>, 1> kStrings{{
    {kAboutMenuStringId, "&About Glyphsmith for TeXht..."},
}};

} // namespace

std::string_view StringResource(int id) {
    for (const auto& [stringId, text] : kStrings) {
        if (stringId == id) {
            return text;
        }
    }
    return {};
}

// The images are ":/icons/icon<id>-<size>.xpm" in the program's Qt resources.
QIcon IconResource(int id) {
    QIcon icon;
    for (const int size : {32, 16}) {
        const QString path = QStringLiteral(":/icons/icon%1-%2.xpm").arg(id).arg(size);
        if (QFile::exists(path)) {
            icon.addFile(path, QSize(size, size));
        }
    }
    return icon;
}

} // namespace glyphsmith::res
