// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace glyphsmith::ui {

// An icon resource by its number, with its 32x32 and 16x16 images; a null icon for a
// number without images. The images are ":/icons/icon<id>-<size>.xpm" in the program's
// Qt resources.
QIcon IconResource(int id);

} // namespace glyphsmith::ui
