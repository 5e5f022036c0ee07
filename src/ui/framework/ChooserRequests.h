#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace glyphsmith::ui {

// What a folder chooser shows. Paths are written with the platform's separators.
struct FolderRequest {
    QWidget* owner = nullptr;
    // Shown above the folders.
    QString prompt;
    // The window's caption when not empty.
    QString caption;
    // Nothing outside this folder can be chosen; empty: the whole file system.
    QString rootFolder;
    // The folder selected when the chooser opens; empty: none.
    QString initialFolder;
    bool showStatusText = false;
    // Asked at every change of the selection, with its path (empty when it has none)
    // and an empty status text to fill in; the answer enables the OK button.
    std::function<bool(const QString& path, QString& statusText)> validateSelection =
        [](const QString&, QString&) { return true; };
};

// What an Open dialog for one file shows.
struct FileRequest {
    QWidget* owner = nullptr;
    // Appended to a typed name that has none; empty: nothing appended.
    QString defaultExtension;
    QString initialName;
    // In Qt's notation: "Label (*.ext *.other)".
    QStringList nameFilters;
};

} // namespace glyphsmith::ui
