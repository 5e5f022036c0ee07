// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <ostream>

// Lets GoogleTest show Qt's strings, and lists of them, as text in its failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
