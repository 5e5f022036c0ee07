#include "Platform.h"
#include "Utf16.h"
#include "Win32Windows.h"

#include <filesystem>

namespace glyphsmith::ui {

namespace {

// The cursor that the wait cursor took the place of.
HCURSOR cursorBeforeWait = nullptr;

} // namespace

// A path that does not fit fills the whole buffer, cut; so the buffer grows until it fits.
std::string ProgramName() {
    std::wstring path(256, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    return win32::ToUtf8(std::filesystem::path(path).stem().wstring());
}

void Beep() {
    MessageBeep(MB_ICONEXCLAMATION);
}

ColorRef HighlightColor() {
    return GetSysColor(COLOR_HIGHLIGHT);
}

// The run that wants it takes no messages, so nothing sets another cursor meanwhile.
void ShowWaitCursor(bool shown) {
    if (shown) {
        cursorBeforeWait = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    } else {
        SetCursor(cursorBeforeWait);
    }
}

} // namespace glyphsmith::ui
