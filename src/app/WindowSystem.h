#pragma once

#include <QApplication>
#include <memory>

namespace glyphsmith {

// Starts Qt's window system. Where it cannot start, for want of a display, the program
// says how to run it and ends with status 1 instead of aborting.
std::unique_ptr<QApplication> StartWindowSystem(int& argc, char** argv);

} // namespace glyphsmith
