// SPDX-License-Identifier: MIT
#pragma once

// Dialog results and message box types keep the values of the Windows dialog manager.
// <windows.h> defines these very names as macros of the same values, so they are declared
// here only where it has not; use them unqualified.
namespace glyphsmith::ui {

#ifndef IDOK
inline constexpr int IDOK = 1;
#endif
#ifndef IDCANCEL
inline constexpr int IDCANCEL = 2;
#endif
#ifndef MB_OK
inline constexpr unsigned MB_OK = 0x00;
#endif
#ifndef MB_ICONEXCLAMATION
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
#endif

// The system command that closes a window; the low four bits are the system's own.
inline constexpr unsigned kCloseCommand = 0xF060;
inline constexpr unsigned kSystemCommandMask = 0xFFF0;

} // namespace glyphsmith::ui
