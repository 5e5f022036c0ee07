// SPDX-License-Identifier: MIT
#include "PopupMenuSeam.h"

#include "WidgetHandles.h"

#include <QMenu>

namespace glyphsmith::ui {

namespace {

class QtPopupMenuSeam final : public PopupMenuSeam {
  public:
    std::optional<unsigned> Track(QWidget& owner, std::span<const SystemMenu::Item> items,
                                  const QPoint& screenPosition) override {
        QMenu menu(&owner);
        for (const SystemMenu::Item& item : items) {
            if (item.command == 0) {
                menu.addSeparator();
            } else {
                menu.addAction(FromUtf8(item.text))->setData(item.command);
            }
        }
        const QAction* chosen = menu.exec(screenPosition);
        if (chosen == nullptr) {
            return std::nullopt;
        }
        return chosen->data().toUInt();
    }
};

} // namespace

PopupMenuSeam& CurrentPopupMenuSeam() {
    static QtPopupMenuSeam programSeam;
    return ScopedPopupMenuSeam::Current(programSeam);
}

} // namespace glyphsmith::ui
