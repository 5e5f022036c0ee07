#pragma once

// The Windows system menu of a window and its WM_SYSCOMMAND message. Only this file's
// source includes <windows.h>, whose macros would rename MessageBox and its kin elsewhere.

#include <QString>
#include <optional>

class QWidget;

namespace glyphsmith::ui::native {

bool HasSystemMenu(QWidget& window);
void AppendSystemMenuSeparator(QWidget& window);
void AppendSystemMenuItem(QWidget& window, unsigned command, const QString& text);
// The command of a WM_SYSCOMMAND message; none for any other message.
std::optional<unsigned> SystemCommandOf(const void* message);

} // namespace glyphsmith::ui::native
