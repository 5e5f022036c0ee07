// SPDX-License-Identifier: MIT
#pragma once

#include "ColorRef.h"
#include "Control.h"
#include "Geometry.h"

#include <memory>
#include <optional>
#include <string>

namespace glyphsmith::ui {

// The cursors that the framework can show over a control.
enum class Cursor { Arrow, PointingHand };

class SubclassedControl;

// What a side of the framework does for a control that an object took over: it reports
// the control's events to the object and lets the object change how the control looks.
class ControlHook {
  public:
    // Hands the control back: its events no longer reach the object.
    virtual ~ControlHook() = default;

    // False once the control was destroyed.
    virtual bool Alive() const = 0;
    // The control's text in the control's font.
    virtual Size TextExtent() const = 0;
    // Gives the control its font again, underlined or not.
    virtual void SetUnderline(bool underline) = 0;
    virtual void SetToolTip(const std::string& text) = 0;
    // None: the control shows whatever cursor the window system shows over it.
    virtual void SetCursor(std::optional<Cursor> cursor) = 0;
    // Paints the control again: at once, or at the window system's next occasion.
    virtual void Repaint(bool now) = 0;
};

// Takes over a control for an object; made by the side.
std::unique_ptr<ControlHook> HookControl(Control control, SubclassedControl& object);

// A C++ object that takes over a control that a template created, as the dialog
// framework's subclassing does: once attached, it sees the control's events and decides
// how the control looks. The control stays the dialog's; either may be destroyed first.
class SubclassedControl {
  public:
    SubclassedControl();
    virtual ~SubclassedControl();
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;

    // Attaches to the control and runs PreSubclassWindow; false when already attached.
    bool SubclassWindow(Control control);
    // The attached control; none before attachment and after the control was destroyed.
    Control Window() const;

    // The control's events, as the side reports them. A move is in the control's own
    // coordinates; a click is a press and release of the left button over the control.
    virtual void OnPointerMove(Point position);
    virtual void OnPointerLeave();
    virtual void OnClicked();
    // The colour that the control's text is drawn in; none for the control's own.
    virtual std::optional<ColorRef> CtlColor() const;

    // How the control looks; each does nothing, or gives nothing, before attachment.
    Size TextExtent() const;
    void SetUnderline(bool underline);
    void SetToolTip(const std::string& text);
    void SetCursor(std::optional<Cursor> cursor);
    void Repaint(bool now);

  protected:
    // Runs once, when the object takes the control over.
    virtual void PreSubclassWindow() {}

  private:
    Control control_;
    std::unique_ptr<ControlHook> hook_;
};

} // namespace glyphsmith::ui
