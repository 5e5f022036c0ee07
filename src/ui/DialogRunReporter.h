// SPDX-License-Identifier: MIT
#pragma once

#include "Dialog.h"
#include "RunReporter.h"

namespace glyphsmith {

// A run's messages as message boxes of the window that started it, and its work under
// the window's wait cursor.
class DialogRunReporter final : public RunReporter {
  public:
    explicit DialogRunReporter(ui::Dialog& window) : window_(window) {}

    void Report(Severity severity, std::string_view text) override {
        if (severity == Severity::Warning) {
            window_.MessageBox(text, "Warning!", ui::MB_ICONEXCLAMATION);
        } else {
            window_.MessageBox(text, "Information", ui::MB_OK);
        }
    }
    void WorkBegins() override { window_.BeginWaitCursor(); }
    void WorkEnds() override { window_.EndWaitCursor(); }

  private:
    ui::Dialog& window_;
};

} // namespace glyphsmith
