#pragma once

#include <QString>
#include <QStringList>

namespace text {

// Splits a line at every comma; empty fields count ("A,,B" is three fields).
inline QStringList splitFields(const QString& line) {
    return line.split(u',');
}

}  // namespace text
