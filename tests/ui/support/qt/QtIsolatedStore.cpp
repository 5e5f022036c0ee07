// QSettings pointed at a temporary directory.
#include "DialogTest.h"
#include "IsolatedStore.h"

#include <QDirIterator>
#include <QSettings>
#include <QTemporaryDir>

namespace glyphsmith::test {

struct IsolatedStore::Place {
    QTemporaryDir directory;
};

IsolatedStore::IsolatedStore() : place_(std::make_unique<Place>()) {
    const QString path = place_->directory.path();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
}

IsolatedStore::~IsolatedStore() = default;

std::string IsolatedStore::Contents() const {
    std::string contents;
    QDirIterator entries(place_->directory.path(), QDir::Files, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        contents += path.toStdString() + '\n' + ReadBytes(path.toStdString());
    }
    return contents;
}

} // namespace glyphsmith::test
