// SPDX-License-Identifier: MIT
#pragma once

#include "Dialog.h"

#include <string>

namespace glyphsmith {

// The prompt that Generator 1 opens first: the families to write, separated by blanks,
// one line of at most 256 characters. It starts from the stored list and stores the list
// again on OK.
class FontListDialog : public ui::Dialog {
  public:
    // Reads the list from the settings store, anew for every prompt.
    explicit FontListDialog(Dialog* parent = nullptr);

    std::string fontList;

  protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    // Stores the list as typed, also when empty; a list too long for the box stays in the
    // prompt and nothing is stored.
    void OnOK() override;
};

} // namespace glyphsmith
