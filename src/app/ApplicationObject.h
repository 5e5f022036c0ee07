// SPDX-License-Identifier: MIT
#pragma once

#include "Paths.h"

#include <string>

namespace glyphsmith {

// The program: shows the main window modally and ends when it closes. Nothing is written
// at the end; every stored value was written when it was chosen.
class ApplicationObject {
  public:
    // The runs keep their log and template in workingDirectory.
    explicit ApplicationObject(std::string workingDirectory = CurrentDirectory())
        : workingDirectory_(std::move(workingDirectory)) {}

    // Needs the window system started. Returns false: the program has nothing left to do.
    bool InitInstance();

  private:
    const std::string workingDirectory_;
};

} // namespace glyphsmith
