// SPDX-License-Identifier: MIT
#pragma once

#include "DialogTemplate.h"
#include "Geometry.h"

#include <string>
#include <string_view>

namespace glyphsmith::ui {

class Dialog;

// A control of a dialog, as the framework hands it out: a handle, cheap to copy, equal
// for the same control. The default handle stands for no control and is false; the
// operations are for real controls only. A handle is valid while its dialog lives.
class Control {
  public:
    Control() = default;
    // native is the side's own handle: a QWidget* on Qt, an HWND on Win32.
    Control(Dialog& dialog, void* native, const ControlTemplate& control)
        : dialog_(&dialog), native_(native), template_(&control) {}

    explicit operator bool() const { return native_ != nullptr; }
    bool operator==(const Control& other) const { return native_ == other.native_; }

    Dialog& OwnerDialog() const { return *dialog_; }
    void* Native() const { return native_; }
    int Id() const { return template_->id; }
    ControlKind Kind() const { return template_->kind; }
    unsigned Style() const { return template_->style; }
    // Buttons, check boxes and edit boxes take the focus with the Tab key.
    bool IsTabStop() const;

    // The text: an edit box's content, a label's, button's or group box's caption.
    std::string Text() const;
    // Shows the whole text, also in an edit box whose limit it passes.
    void SetText(std::string_view text);
    // The state of a check box.
    bool Checked() const;
    void SetChecked(bool checked);
    // The most characters that can be typed into an edit box.
    void LimitText(int maxChars);

    bool IsEnabled() const;
    void Focus();
    // Selects the whole text of an edit box.
    void SelectAll();

    // In pixels, in the dialog's client area.
    Rect Geometry() const;
    void SetGeometry(const Rect& rect);

  private:
    Dialog* dialog_ = nullptr;
    void* native_ = nullptr;
    const ControlTemplate* template_ = nullptr;
};

} // namespace glyphsmith::ui
