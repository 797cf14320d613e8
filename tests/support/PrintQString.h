#pragma once

#include <QString>
#include <ostream>

// Lets a failed comparison of texts show them as text, not as a list of UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
