#pragma once

namespace glyphsmith {

// The program: shows the main window modally and ends when it closes. Nothing is written
// at the end; every stored value was written when it was chosen.
class ApplicationObject {
  public:
    // Needs the window system started. Returns false: the program has nothing left to do.
    bool InitInstance();
};

} // namespace glyphsmith
