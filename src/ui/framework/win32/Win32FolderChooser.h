#pragma once

#include "ChooserRequests.h"
#include "Win32Windows.h"

#include <optional>
#include <string>

namespace glyphsmith::ui {

// The program seam's folder chooser on Win32, the shell's folder browser: the chosen folder's path,
// empty for a choice without one; nothing when the user cancelled or the root folder could not be
// parsed.
std::optional<std::string> RunFolderChooser(const FolderRequest& request);

// What the browser calls with its events; the context is the FolderRequest. Once
// initialised, the browser selects the initial folder (a relative one below the working
// directory) and shows the caption; at every
// change of the selection it asks the request's verdict, shows its status text if asked
// to, and enables OK by the verdict. Always 0.
int CALLBACK BrowseCallback(HWND browser, UINT event, LPARAM data, LPARAM context);

} // namespace glyphsmith::ui
