#pragma once

#include <QStringList>
#include <QTemporaryDir>

namespace glyphsmith::test {

// Points the settings store at a fresh temporary directory for one test; no test ever
// reads or writes the user's own settings.
class IsolatedStore {
  public:
    IsolatedStore();

    // The files written under the store's directory; empty when nothing was written.
    QStringList WrittenFiles() const;

  private:
    QTemporaryDir directory_;
};

} // namespace glyphsmith::test
