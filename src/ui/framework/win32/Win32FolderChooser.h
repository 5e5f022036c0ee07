// SPDX-License-Identifier: MIT
#pragma once

#include "Win32Windows.h"

namespace glyphsmith::ui {

// What the browser calls with its events; the context is the FolderRequest. Once
// initialised, the browser selects the initial folder (a relative one below the working
// directory) and shows the caption; at every
// change of the selection it asks the request's verdict, shows its status text if asked
// to, and enables OK by the verdict. Always 0.
int CALLBACK BrowseCallback(HWND browser, UINT event, LPARAM data, LPARAM context);

} // namespace glyphsmith::ui
