#include "SystemMenu.h"

#include "DialogCodes.h"
#include "Utf8.h"

#ifdef _WIN32
#include "NativeSystemMenu.h"
#endif

namespace glyphsmith::ui {

SystemMenu::SystemMenu(QWidget& window) : window_(window) {
#ifndef _WIN32
    items_.push_back({kCloseCommand, QStringLiteral("&Close")});
#endif
}

void SystemMenu::AppendSeparator() {
    items_.push_back({0, QString()});
#ifdef _WIN32
    native::AppendSystemMenuSeparator(window_);
#endif
}

void SystemMenu::AppendItem(unsigned command, std::string_view text) {
    items_.push_back({command, FromUtf8(text)});
#ifdef _WIN32
    native::AppendSystemMenuItem(window_, command, items_.back().text);
#endif
}

} // namespace glyphsmith::ui
