#pragma once

#include <QByteArray>
#include <QString>

namespace pelmar::platform {

// Code page 932 (Shift-JIS as Windows writes it), the code page of every text Pelmar exchanges
// with files and with the DM, converted by the system's own table: Windows's, or glibc's "CP932"
// (which is Microsoft's). A character that code page 932 cannot hold becomes "?", as the Windows
// conversion does; bytes that are no code page 932 character read as U+FFFD.
QByteArray toCp932(const QString& text);
QString fromCp932(const QByteArray& bytes);

}  // namespace pelmar::platform
