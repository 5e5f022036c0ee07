// SPDX-License-Identifier: MIT
#pragma once

#include "DialogTemplate.h"
#include "TemplateWords.h"

#include <windows.h>

namespace glyphsmith::ui::win32 {

// A dialog template as the dialog manager reads it from memory: a DLGTEMPLATE with
// DS_SETFONT and the template's font, so that Windows maps the dialog units itself, and one
// DLGITEMTEMPLATE a control, in template order. The window is created hidden; the caller
// shows it.
class InMemoryDialogTemplate {
  public:
    explicit InMemoryDialogTemplate(const DialogTemplate& dialogTemplate);

    // For CreateDialogIndirectParamW and DialogBoxIndirectParamW; valid while this lives.
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.Data()); }

  private:
    void WriteDialog(const DialogTemplate& dialogTemplate);
    void WriteControl(const ControlTemplate& control);
    void WriteRect(const DialogRect& rect);

    TemplateWords words_;
};

} // namespace glyphsmith::ui::win32
