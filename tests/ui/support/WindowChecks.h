#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>

class QWidget;

namespace glyphsmith::test {

// What is wrong with a dialog's layout: a control outside the dialog, a caption wider
// than its control, two controls that overlap unless a group box frames the other. Empty
// when the layout holds together.
QStringList LayoutFaults(const QWidget& dialog);

// A file's bytes; empty when it cannot be read.
QByteArray ReadAll(const QString& path);

// Every file under a directory, by its path below it.
std::map<QString, QByteArray> FilesUnder(const QString& directory);

// The paths below either directory whose files are missing on one side or differ.
QStringList TreeDifferences(const QString& left, const QString& right);

// Runs a program in a directory to its end; its exit code, or -1 when it did not finish.
int RunProgram(const QString& program, const QStringList& arguments, const QString& directory);

} // namespace glyphsmith::test
