#pragma once

#include "Dialog.h"
#include "RunUi.h"

namespace glyphsmith {

// A run's message boxes and wait cursor, shown by the window that started it.
class DialogRunUi final : public RunUi {
  public:
    explicit DialogRunUi(ui::Dialog& window) : window_(window) {}

    void MessageBox(std::string_view text, std::string_view caption, MessageType type) override {
        window_.MessageBox(text, caption, static_cast<unsigned>(type));
    }
    void BeginWaitCursor() override { window_.BeginWaitCursor(); }
    void EndWaitCursor() override { window_.EndWaitCursor(); }

  private:
    ui::Dialog& window_;
};

} // namespace glyphsmith
