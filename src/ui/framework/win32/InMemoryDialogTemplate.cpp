// SPDX-License-Identifier: MIT
#include "InMemoryDialogTemplate.h"

#include "ControlStyles.h"

namespace glyphsmith::ui::win32 {

namespace {

// A modal frame with a caption and a system menu; no minimise or maximise box.
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

} // namespace

InMemoryDialogTemplate::InMemoryDialogTemplate(const DialogTemplate& dialogTemplate) {
    WriteDialog(dialogTemplate);
    for (const ControlTemplate& control : dialogTemplate.controls) {
        WriteControl(control);
    }
}

// The window starts at 0, 0; the framework places it.
void InMemoryDialogTemplate::WriteDialog(const DialogTemplate& dialogTemplate) {
    words_.Dword(kDialogStyle);
    words_.Dword(dialogTemplate.appWindow ? WS_EX_APPWINDOW : 0);
    words_.Word(static_cast<WORD>(dialogTemplate.controls.size()));
    WriteRect({0, 0, dialogTemplate.width, dialogTemplate.height});
    words_.Word(0); // no menu
    words_.Word(0); // the system's dialog class
    words_.Text(dialogTemplate.caption);
    words_.Word(static_cast<WORD>(dialogTemplate.pointSize));
    words_.Text(dialogTemplate.fontFace);
}

// An id of -1 becomes 0xFFFF, the id that resource compilers give unaddressed controls.
void InMemoryDialogTemplate::WriteControl(const ControlTemplate& control) {
    const ControlClassAndStyle classAndStyle = ClassAndStyleOf(control);
    words_.AlignToDword();
    words_.Dword(WS_CHILD | WS_VISIBLE | classAndStyle.style);
    words_.Dword(0);
    WriteRect(control.rect);
    words_.Word(static_cast<WORD>(control.id));
    words_.Ordinal(classAndStyle.classAtom);
    if (control.kind == ControlKind::Icon) {
        words_.ResourceName(control.text);
    } else {
        words_.Text(control.text);
    }
    words_.Word(0); // no creation data
}

void InMemoryDialogTemplate::WriteRect(const DialogRect& rect) {
    words_.Short(rect.x);
    words_.Short(rect.y);
    words_.Short(rect.width);
    words_.Short(rect.height);
}

} // namespace glyphsmith::ui::win32
