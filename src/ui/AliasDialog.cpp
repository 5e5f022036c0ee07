// SPDX-License-Identifier: MIT
#include "AliasDialog.h"

#include "AliasDialogTemplate.h"

namespace glyphsmith {

AliasDialog::AliasDialog(Dialog* parent) : Dialog(res::kAliasDialogTemplate, parent) {}

void AliasDialog::DoDataExchange(ui::DataExchange& dx) {
    Dialog::DoDataExchange(dx);
    DDX_Text(dx, res::kTargetFontEdit, targetFont);
    DDX_Text(dx, res::kAliasFontEdit, aliasFont);
}

} // namespace glyphsmith
