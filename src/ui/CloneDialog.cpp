// SPDX-License-Identifier: MIT
#include "CloneDialog.h"

#include "CloneDialogTemplate.h"

namespace glyphsmith {

CloneDialog::CloneDialog(Dialog* parent) : Dialog(res::kCloneDialogTemplate, parent) {}

void CloneDialog::DoDataExchange(ui::DataExchange& dx) {
    Dialog::DoDataExchange(dx);
    DDX_Text(dx, res::kClonedFromEdit, clonedFrom);
    DDX_Text(dx, res::kClonedToEdit, clonedTo);
}

} // namespace glyphsmith
