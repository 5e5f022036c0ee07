// SPDX-License-Identifier: MIT
#include "UnexpectedError.h"

#include "RunTexts.h"

#include <exception>
#include <new>

namespace glyphsmith {

namespace {

// What the exception in flight says about itself.
std::string ReasonOfCurrentException() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return "out of memory";
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "an exception of unknown type";
    }
}

} // namespace

std::optional<std::string> CatchUnexpected(const std::function<void()>& work) {
    try {
        work();
        return std::nullopt;
    } catch (...) {
        return UnexpectedStopText(ReasonOfCurrentException());
    }
}

} // namespace glyphsmith
