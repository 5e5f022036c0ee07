// SPDX-License-Identifier: MIT
#pragma once

#include "Dialog.h"

#include <string>

namespace glyphsmith {

// The alias run's prompt: the family that the alias stands for and the alias's name,
// both without their "gbk", taken as typed. Nothing of it is remembered between runs.
class AliasDialog : public ui::Dialog {
  public:
    explicit AliasDialog(Dialog* parent = nullptr);

    std::string targetFont = "song";
    std::string aliasFont;

  protected:
    void DoDataExchange(ui::DataExchange& dx) override;
};

} // namespace glyphsmith
