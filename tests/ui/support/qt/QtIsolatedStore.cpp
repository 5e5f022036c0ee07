// SPDX-License-Identifier: MIT
// QSettings pointed at a temporary directory.
#include "DialogTest.h"
#include "IsolatedStore.h"
#include "ProgramName.h"

#include <QDirIterator>
#include <QFile>
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

// QSettings keeps what one instance read for the next; a copy of the file is read from disk.
std::optional<std::string> IsolatedStore::StoredValue(const std::string& section,
                                                      const std::string& name) const {
    const QString file = place_->directory.path() + QStringLiteral("/Ostrelan/") +
                         QString::fromStdString(platform::ProgramName()) + QStringLiteral(".conf");
    const QTemporaryDir fresh;
    const QString copy = fresh.filePath(QStringLiteral("copy.conf"));
    if (!QFile::copy(file, copy)) {
        return std::nullopt;
    }
    const QSettings settings(copy, QSettings::NativeFormat);
    const QString key = QString::fromStdString(section + '/' + name);
    if (!settings.contains(key)) {
        return std::nullopt;
    }
    return settings.value(key).toString().toStdString();
}

} // namespace glyphsmith::test
