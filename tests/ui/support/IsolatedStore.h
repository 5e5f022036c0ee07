// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
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
    // A value as a program started afresh reads it from where the store keeps it; nothing
    // when it is absent.
    std::optional<std::string> StoredValue(const std::string& section,
                                           const std::string& name) const;

  private:
    struct Place;
    std::unique_ptr<Place> place_;
};

} // namespace glyphsmith::test
