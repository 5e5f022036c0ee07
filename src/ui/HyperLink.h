// SPDX-License-Identifier: MIT
#pragma once

#include "ColorRef.h"
#include "Geometry.h"
#include "LinkOpener.h"
#include "SubclassedControl.h"

#include <optional>
#include <string>

namespace glyphsmith {

using ui::ColorRef;
using ui::Rgb;

// As the hover colour of SetLinkColors: the system's highlight colour at that moment.
inline constexpr ColorRef kHighlightColor = 0xFFFFFFFF;

// A label of a dialog turned into a link to an address. Attached with DDX_Control, it shows
// its text in the link font and colour, in the hover colour while the pointer is over it,
// with a link cursor and the address as its tooltip; a click opens the address, and a link
// that opened shows in its visited colour until a later click fails.
//
// The setters work before attachment too, storing their value only.
class HyperLink : public ui::SubclassedControl {
  public:
    explicit HyperLink(LinkOpener& opener = DesktopLinkOpener());

    // Refits the label to its text, which stays as it is, and shows the new tooltip.
    void SetTarget(std::string address);
    // A hover colour of kHighlightColor stands for the system's highlight colour.
    void SetLinkColors(ColorRef normal, ColorRef visited, ColorRef hover);
    void MarkVisited(bool visited);
    // None leaves the pointer as the label has it.
    void SetPointerCursor(std::optional<ui::Cursor> cursor);
    // Rebuilds the link font; the label keeps its size.
    void ShowUnderline(bool underline);

    const std::string& Target() const { return target_; }
    bool Visited() const { return visited_; }
    // The colour the text is drawn in now: hover over visited over normal.
    ColorRef TextColor() const;

    void OnPointerMove(ui::Point position) override;
    void OnPointerLeave() override;
    void OnClicked() override;
    std::optional<ColorRef> CtlColor() const override { return TextColor(); }

  protected:
    void PreSubclassWindow() override;

  private:
    void FitToText();
    void LoadLinkCursor();
    void SetPointerInside(bool inside);
    void ShowOpenError(const OpenResult& result);

    LinkOpener& opener_;
    ColorRef normalColor_ = Rgb(0, 0, 238);
    ColorRef visitedColor_ = Rgb(85, 26, 139);
    ColorRef hoverColor_;
    bool pointerInside_ = false;
    bool visited_ = false;
    bool underline_ = true;
    std::string target_;
    std::optional<ui::Cursor> pointerCursor_;
};

// A label's rectangle fitted to the size of its text, by the label's alignment style:
// vertically centred labels keep their centre, others their top; centred ones keep their
// centre, right-aligned ones their right edge, others their left edge. Halves of odd
// differences are truncated.
ui::Rect FitRectToText(const ui::Rect& rect, ui::Size text, unsigned style);

} // namespace glyphsmith
