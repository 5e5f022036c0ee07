#include "IsolatedStore.h"

#include <QDirIterator>
#include <QSettings>

namespace glyphsmith::test {

IsolatedStore::IsolatedStore() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, directory_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, directory_.path());
}

QStringList IsolatedStore::WrittenFiles() const {
    QStringList files;
    QDirIterator entries(directory_.path(), QDir::Files, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        files << entries.next();
    }
    return files;
}

} // namespace glyphsmith::test
