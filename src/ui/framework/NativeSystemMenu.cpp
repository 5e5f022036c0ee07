#include "NativeSystemMenu.h"

#include <QWidget>

#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace glyphsmith::ui::native {

namespace {

HMENU SystemMenuOf(QWidget& window) {
    return ::GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
}

} // namespace

bool HasSystemMenu(QWidget& window) {
    return SystemMenuOf(window) != nullptr;
}

void AppendSystemMenuSeparator(QWidget& window) {
    ::AppendMenuW(SystemMenuOf(window), MF_SEPARATOR, 0, nullptr);
}

void AppendSystemMenuItem(QWidget& window, unsigned command, const QString& text) {
    ::AppendMenuW(SystemMenuOf(window), MF_STRING, command,
                  reinterpret_cast<LPCWSTR>(text.utf16()));
}

std::optional<unsigned> SystemCommandOf(const void* message) {
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message != WM_SYSCOMMAND) {
        return std::nullopt;
    }
    return static_cast<unsigned>(msg->wParam);
}

} // namespace glyphsmith::ui::native
