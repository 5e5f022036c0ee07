#pragma once

namespace glyphsmith {

// The program: names the settings store, shows the main window modally and ends when it
// closes. Nothing is written at the end; every stored value was written when it was chosen.
class ApplicationObject {
  public:
    // Needs the QApplication. Returns false: the program has nothing left to do.
    bool InitInstance();
};

} // namespace glyphsmith
