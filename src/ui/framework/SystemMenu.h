#pragma once

#include <QString>
#include <string_view>
#include <vector>

class QWidget;

namespace glyphsmith::ui {

// The window's system menu. On Windows the entries go into the real one; elsewhere the
// dialog shows them as the context menu of its background, after a Close entry, and routes
// the chosen command through its system command handler all the same.
class SystemMenu {
  public:
    struct Item {
        unsigned command; // 0 for a separator
        QString text;
    };

    explicit SystemMenu(QWidget& window);

    void AppendSeparator();
    void AppendItem(unsigned command, std::string_view text);
    const std::vector<Item>& Items() const { return items_; }

  private:
    [[maybe_unused]] QWidget& window_; // whose native menu holds the entries on Windows
    std::vector<Item> items_;
};

} // namespace glyphsmith::ui
