// SPDX-License-Identifier: MIT
#pragma once

#include "Dialog.h"
#include "HyperLink.h"

namespace glyphsmith {

// The About box, on template 100: the icon, and the program's name and version, the
// copyright notice and the two developers as links to their addresses.
class AboutDialog : public ui::Dialog {
  public:
    explicit AboutDialog(Dialog* parent = nullptr, LinkOpener& opener = DesktopLinkOpener());

    // The link on one of the template's labels; null for any other control.
    HyperLink* LinkOn(int labelId);

  protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnInitDialog() override;

  private:
    HyperLink programLink_;
    HyperLink firstDeveloperLink_;
    HyperLink secondDeveloperLink_;
    HyperLink makerLink_;
};

} // namespace glyphsmith
