// SPDX-License-Identifier: MIT
#pragma once

#include "Dialog.h"

#include <string>

namespace glyphsmith {

// The cloning run's prompt: the family to copy and the new family's name, both without
// their "gbk", taken as typed. Nothing of it is remembered between runs.
class CloneDialog : public ui::Dialog {
  public:
    explicit CloneDialog(Dialog* parent = nullptr);

    std::string clonedFrom = "song";
    std::string clonedTo;

  protected:
    void DoDataExchange(ui::DataExchange& dx) override;
};

} // namespace glyphsmith
