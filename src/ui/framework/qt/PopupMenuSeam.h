// SPDX-License-Identifier: MIT
#pragma once

#include "ScopedSeam.h"
#include "SystemMenu.h"

#include <QPoint>
#include <optional>
#include <span>

class QWidget;

namespace glyphsmith::ui {

// The pop-up menu that stands for the system menu on Qt, which gives a dialog none. Like
// every other modal wait it goes through a seam, so that tests can script the choice.
class PopupMenuSeam {
  public:
    virtual ~PopupMenuSeam() = default;

    // Shows the entries over owner at a point of the screen; the chosen entry's command, or
    // nothing when the menu was dismissed.
    virtual std::optional<unsigned> Track(QWidget& owner, std::span<const SystemMenu::Item> items,
                                          const QPoint& screenPosition) = 0;
};

using ScopedPopupMenuSeam = ScopedSeam<PopupMenuSeam>;

// The seam in force: the program's own, a QMenu, or the one a scope put in place.
PopupMenuSeam& CurrentPopupMenuSeam();

} // namespace glyphsmith::ui
