// SPDX-License-Identifier: MIT
#include "HyperLink.h"

#include "Dialog.h"
#include "ModalSeam.h"
#include "Platform.h"
#include "ProgramName.h"

namespace glyphsmith {

ui::Rect FitRectToText(const ui::Rect& rect, ui::Size text, unsigned style) {
    int left = rect.x;
    int top = rect.y;
    int right = rect.Right();
    int bottom = rect.Bottom();
    if (style & ui::kVerticalCenter) {
        const int shrink = (rect.height - text.height) / 2;
        top += shrink;
        bottom -= shrink;
    } else {
        bottom = top + text.height;
    }
    if (style & ui::kCenter) {
        const int shrink = (rect.width - text.width) / 2;
        left += shrink;
        right -= shrink;
    } else if (style & ui::kRight) {
        left = right - text.width;
    } else {
        right = left + text.width;
    }
    return {left, top, right - left, bottom - top};
}

HyperLink::HyperLink(LinkOpener& opener) : opener_(opener), hoverColor_(ui::HighlightColor()) {}

void HyperLink::SetTarget(std::string address) {
    target_ = std::move(address);
    if (Window()) {
        FitToText();
        SetToolTip(target_);
    }
}

void HyperLink::SetLinkColors(ColorRef normal, ColorRef visited, ColorRef hover) {
    normalColor_ = normal;
    visitedColor_ = visited;
    hoverColor_ = hover == kHighlightColor ? ui::HighlightColor() : hover;
    Repaint(false);
}

void HyperLink::MarkVisited(bool visited) {
    visited_ = visited;
    Repaint(false);
}

void HyperLink::SetPointerCursor(std::optional<ui::Cursor> cursor) {
    pointerCursor_ = cursor;
    SetCursor(pointerCursor_);
}

void HyperLink::ShowUnderline(bool underline) {
    underline_ = underline;
    SetUnderline(underline_);
    Repaint(false);
}

ColorRef HyperLink::TextColor() const {
    if (pointerInside_) {
        return hoverColor_;
    }
    return visited_ ? visitedColor_ : normalColor_;
}

// A label without a text shows its target, and one without a target opens its text.
void HyperLink::PreSubclassWindow() {
    ui::Control label = Window();
    if (target_.empty()) {
        target_ = label.Text();
    }
    if (label.Text().empty()) {
        label.SetText(target_);
    }
    SetUnderline(underline_);
    FitToText();
    LoadLinkCursor();
    SetCursor(pointerCursor_);
    SetToolTip(target_);
}

void HyperLink::OnPointerMove(ui::Point position) {
    const ui::Rect client{0, 0, Window().Geometry().width, Window().Geometry().height};
    if (client.Contains(position) != pointerInside_) {
        SetPointerInside(!pointerInside_);
    }
}

void HyperLink::OnPointerLeave() {
    if (pointerInside_) {
        SetPointerInside(false);
    }
}

// A failed click leaves the label as it is drawn: a label that was visited shows its
// normal colour only from its next paint on.
void HyperLink::OnClicked() {
    const OpenResult result = OpenTarget(opener_, target_);
    visited_ = result.outcome == OpenOutcome::Opened;
    if (visited_) {
        MarkVisited(true);
    } else {
        ui::Beep();
        ShowOpenError(result);
    }
}

void HyperLink::FitToText() {
    ui::Control label = Window();
    label.SetGeometry(FitRectToText(label.Geometry(), TextExtent(), label.Style()));
}

// The platform's pointing hand stands for the link cursor.
void HyperLink::LoadLinkCursor() {
    if (!pointerCursor_) {
        pointerCursor_ = ui::Cursor::PointingHand;
    }
}

void HyperLink::SetPointerInside(bool inside) {
    pointerInside_ = inside;
    Repaint(true);
}

void HyperLink::ShowOpenError(const OpenResult& result) {
    ui::CurrentModalSeam().ShowMessageBox(&Window().OwnerDialog(),
                                          "Unable to open hyperlink:\n\n" + OpenErrorText(result),
                                          platform::ProgramName(), ui::MB_ICONEXCLAMATION);
}

} // namespace glyphsmith
