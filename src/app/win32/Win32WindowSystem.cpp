// SPDX-License-Identifier: MIT
// The window system on Windows: the common controls that the links' tooltips come from,
// and COM, which the shell's folder browser needs on the thread that shows it.
#include "WindowSystem.h"

#include <windows.h>
// clang-format off
#include <commctrl.h>
#include <objbase.h>
// clang-format on

namespace glyphsmith {

namespace {

class Win32WindowSystem final : public WindowSystem {
  public:
    Win32WindowSystem()
        : comStarted_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
    }

    ~Win32WindowSystem() override {
        if (comStarted_) {
            CoUninitialize();
        }
    }

  private:
    bool comStarted_;
};

} // namespace

// Windows always has a display, so the window system always starts.
std::unique_ptr<WindowSystem> StartWindowSystem(int&, char**) {
    return std::make_unique<Win32WindowSystem>();
}

} // namespace glyphsmith
