// SPDX-License-Identifier: MIT
#pragma once

// What a user does to a dialog that is shown, and what the user sees of it, on whichever
// side of the framework the tests are built: the one driver of the behaviour tests.

#include "Control.h"
#include "Dialog.h"
#include "SubclassedControl.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace glyphsmith::test {

enum class Key { Enter, KeypadEnter, Escape, Tab, Backspace, End };

// Shows a dialog as its modal loop would, active and with its focus, without the loop.
void ShowWithoutModalLoop(ui::Dialog& dialog);

// The left button pressed and released over the middle of the control.
void Click(ui::Control control);
// The right button, for a control that must not take it as a click.
void RightClick(ui::Control control);
// Keys typed into the control, which takes the focus first; an edit box takes them at the
// place of its cursor and stops at its limit, as it does for a user.
void Type(ui::Control control, std::string_view text);
// A key pressed while the control has the focus.
void Press(ui::Control control, Key key);
// A key pressed while the dialog itself has the focus, or whatever control of it has.
void Press(ui::Dialog& dialog, Key key);
// The close box of the dialog's caption.
void CloseBox(ui::Dialog& dialog);
// A command of the system menu, as the window system sends it.
void SystemCommand(ui::Dialog& dialog, unsigned command);

// The pointer moved into the middle of the control, or to a corner of the dialog clear of
// every control.
void MovePointerOver(ui::Control control);
void MovePointerAway(ui::Dialog& dialog);

// The control with the keyboard focus, or none.
ui::Control FocusedControl(const ui::Dialog& dialog);
// The push button that Enter presses when no push button has the focus.
bool IsDefaultButton(ui::Control control);
// The part of an edit box's text that typing would replace.
std::string SelectedText(ui::Control edit);

// Whether the dialog's window shows, its caption, and its client area in pixels.
bool IsShown(const ui::Dialog& dialog);
std::string Caption(const ui::Dialog& dialog);
ui::Size ClientSize(const ui::Dialog& dialog);

// How a label that an object took over looks: underlined or not, its tooltip, and the
// cursor that it sets over itself (none: it leaves the cursor to its dialog).
bool Underlined(ui::Control label);
std::string ToolTip(ui::Control label);
std::optional<ui::Cursor> CursorShown(ui::Control label);

// Handles the window system's events until done() is true or the time is up; false when
// the time ran out.
bool ProcessEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

} // namespace glyphsmith::test
