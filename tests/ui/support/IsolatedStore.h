#pragma once

#include <memory>
#include <string>

namespace glyphsmith::test {

// Gives the settings store a place of its own for one test, empty at the start and gone
// at the end: no test ever reads or writes the user's own settings.
class IsolatedStore {
  public:
    IsolatedStore();
    ~IsolatedStore();
    IsolatedStore(const IsolatedStore&) = delete;
    IsolatedStore& operator=(const IsolatedStore&) = delete;

    // Everything stored, as one text that changes with any change to the store; empty
    // when nothing was ever written.
    std::string Contents() const;

  private:
    struct Place;
    std::unique_ptr<Place> place_;
};

} // namespace glyphsmith::test
