#pragma once

#include <QDir>
#include <QString>

// A path as the program shows and writes it: in the system's spelling ("C:\data" on Windows).
inline QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}
