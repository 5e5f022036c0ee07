// SPDX-License-Identifier: MIT
#include "SystemMenu.h"

#include "DialogWindow.h"

namespace glyphsmith::ui {

SystemMenu::SystemMenu(DialogWindow& window) : window_(window) {}

void SystemMenu::AppendSeparator() {
    window_.AppendSystemMenuItem({0, {}});
}

void SystemMenu::AppendItem(unsigned command, std::string_view text) {
    window_.AppendSystemMenuItem({command, std::string(text)});
}

} // namespace glyphsmith::ui
