// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace glyphsmith::ui {

class DialogWindow;

// The system menu of a dialog's window. On Win32 the entries go into the real one;
// the Qt side shows them as the context menu of the dialog's background, after a Close
// entry, and routes the chosen command through the system command handler all the same.
class SystemMenu {
  public:
    struct Item {
        unsigned command; // 0 for a separator
        std::string text; // UTF-8, "&" marks the mnemonic
    };

    explicit SystemMenu(DialogWindow& window);

    void AppendSeparator();
    void AppendItem(unsigned command, std::string_view text);

  private:
    DialogWindow& window_;
};

} // namespace glyphsmith::ui
