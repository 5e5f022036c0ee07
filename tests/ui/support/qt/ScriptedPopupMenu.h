// SPDX-License-Identifier: MIT
#pragma once

#include "PopupMenuSeam.h"

#include <deque>
#include <string>
#include <vector>

namespace glyphsmith::test {

// Answers the pop-up menus that stand for the system menu on Qt from a script, and
// records what they showed. A menu that the script did not expect fails the test and is
// dismissed.
class ScriptedPopupMenu final : public ui::PopupMenuSeam {
  public:
    // Puts itself in force for its lifetime.
    ScriptedPopupMenu() : scope_(*this) {}

    // The next menu answers with the entry of this text.
    void OnNextMenu(const std::string& entry) { answers_.push_back(entry); }
    // The entries of the last menu; a separator is an empty entry.
    const std::vector<std::string>& LastMenu() const { return lastMenu_; }

    std::optional<unsigned> Track(QWidget& owner, std::span<const ui::SystemMenu::Item> items,
                                  const QPoint& screenPosition) override;

  private:
    ui::ScopedPopupMenuSeam scope_;
    std::deque<std::string> answers_;
    std::vector<std::string> lastMenu_;
};

} // namespace glyphsmith::test
