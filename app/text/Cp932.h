#pragma once

#include <QByteArray>
#include <QString>

namespace pelmar::text {

// Code page 932 (Shift-JIS as Windows writes it), the code page of every text Pelmar exchanges
// with files and with the DM. A character that code page 932 cannot hold becomes "?", as the
// Windows conversion does.
QByteArray toCp932(const QString& text);
QString fromCp932(const QByteArray& bytes);

}  // namespace pelmar::text
