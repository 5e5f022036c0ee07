// SPDX-License-Identifier: MIT
#include "FontListDialog.h"

#include "FontListDialogTemplate.h"
#include "GenerationSettings.h"
#include "SettingsStore.h"

namespace glyphsmith {

namespace {

// One more than the third rule line promises; the box and the check both allow 256.
constexpr int kFontListLimit = 256;

} // namespace

FontListDialog::FontListDialog(Dialog* parent)
    : Dialog(res::kFontListDialogTemplate, parent),
      fontList(SettingsStore().ReadString(kSettingsSection, kFontListValue, kDefaultFontList)) {}

void FontListDialog::DoDataExchange(ui::DataExchange& dx) {
    Dialog::DoDataExchange(dx);
    DDX_Text(dx, res::kFontListEdit, fontList);
    DDV_MaxChars(dx, fontList, kFontListLimit);
}

void FontListDialog::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    SettingsStore().WriteString(kSettingsSection, kFontListValue, fontList);
    EndDialog(ui::IDOK);
}

} // namespace glyphsmith
