// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

namespace glyphsmith {

// The window system of the program's side, from its start to the program's end.
class WindowSystem {
  public:
    virtual ~WindowSystem() = default;
};

// Starts the window system. Where it cannot start, for want of a display, the program
// says how to run it and ends with status 1 instead of aborting.
std::unique_ptr<WindowSystem> StartWindowSystem(int& argc, char** argv);

} // namespace glyphsmith
