// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace glyphsmith {

// Runs work and, when an exception leaves it, returns what a front end tells the user
// instead of ending the program: the last place that catches, for errors that no run
// expects (memory running out, a fault of the program). Files that the run finished stay
// whole, and one that it was writing keeps its earlier text, as every file is written
// aside.
std::optional<std::string> CatchUnexpected(const std::function<void()>& work);

} // namespace glyphsmith
