#include "SystemMenu.h"

#include "DialogWindow.h"

namespace glyphsmith::ui {

SystemMenu::SystemMenu(DialogWindow& window) : window_(window) {}

void SystemMenu::AppendSeparator() {
    Append({0, {}});
}

void SystemMenu::AppendItem(unsigned command, std::string_view text) {
    Append({command, std::string(text)});
}

void SystemMenu::Append(Item item) {
    window_.AppendSystemMenuItem(item);
    items_.push_back(std::move(item));
}

} // namespace glyphsmith::ui
