// SPDX-License-Identifier: MIT
#pragma once

#include "Dialog.h"
#include "FakeLinkOpener.h"
#include "HyperLink.h"

namespace glyphsmith::test {

// A dialog of labels for a link to take over, one for each way a label is aligned, with an
// opener that starts no program.
enum LinkDialogLabel : int { kLinkLabel = 201, kEmptyLabel, kCentredLabel, kRightLabel };

// clang-format off
inline constexpr ui::ControlTemplate kLinkDialogControls[] = {
    {kLinkLabel, ui::ControlKind::Label, "a link", {10, 10, 100, 8}},
    {kEmptyLabel, ui::ControlKind::Label, "", {10, 22, 100, 8}},
    {kCentredLabel, ui::ControlKind::Label, "in the middle", {10, 34, 100, 20},
     ui::kVerticalCenter},
    {kRightLabel, ui::ControlKind::Label, "a link", {10, 58, 100, 8}, ui::kRight},
    {ui::IDOK, ui::ControlKind::PushButton, "OK", {10, 70, 40, 14}},
};
// clang-format on

inline constexpr ui::DialogTemplate kLinkDialogTemplate{"Links",   130, 90,
                                                        "Verdana", 8,   kLinkDialogControls};

class LinkDialog : public ui::Dialog {
  public:
    LinkDialog() : Dialog(kLinkDialogTemplate) {}

    FakeLinkOpener opener;
    HyperLink link{opener};

    // Attaches the link to a label, as DDX_Control does.
    ui::Control Attach(int id) {
        link.SubclassWindow(GetDlgItem(id));
        return GetDlgItem(id);
    }
};

} // namespace glyphsmith::test
