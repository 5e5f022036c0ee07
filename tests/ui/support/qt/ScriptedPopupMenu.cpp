// SPDX-License-Identifier: MIT
#include "ScriptedPopupMenu.h"

#include <gtest/gtest.h>

namespace glyphsmith::test {

std::optional<unsigned>
ScriptedPopupMenu::Track(QWidget&, std::span<const ui::SystemMenu::Item> items, const QPoint&) {
    lastMenu_.clear();
    for (const ui::SystemMenu::Item& item : items) {
        lastMenu_.push_back(item.text);
    }
    if (answers_.empty()) {
        ADD_FAILURE() << "an unexpected menu";
        return std::nullopt;
    }
    const std::string answer = answers_.front();
    answers_.pop_front();
    for (const ui::SystemMenu::Item& item : items) {
        if (item.command != 0 && item.text == answer) {
            return item.command;
        }
    }
    ADD_FAILURE() << "no menu entry " << answer;
    return std::nullopt;
}

} // namespace glyphsmith::test
