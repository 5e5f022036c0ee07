// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

namespace glyphsmith::ui {

// A group box drawn as the dialog manager draws one: the frame's top edge runs through the
// middle of the title, so the controls that the template places below the title sit
// inside the frame. The controls are the dialog's, not the group box's children.
class GroupBox : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace glyphsmith::ui
