#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace pelmar::text {

// Splits a line at every comma; empty fields count ("A,,B" is three fields).
inline QStringList splitFields(const QString& line) {
    return line.split(u',');
}

// Reads the comma-separated field that starts after character pos (pos 0 = start of the line).
// Returns false, leaving out and nextPos alone, when the field is empty or pos is at the end;
// otherwise sets nextPos to the position of the comma that ends it (or length + 1).
bool ReadField(const QString& line, int pos, QString& out, int& nextPos);
// The field's leading number, rounded halves to even.
bool ReadField(const QString& line, int pos, std::int32_t& out, int& nextPos);

}  // namespace pelmar::text
