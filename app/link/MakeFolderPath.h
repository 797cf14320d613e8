#pragma once

#include <QDate>
#include <QString>
#include <stdexcept>

#include "app/link/FolderOps.h"

namespace pelmar {

// A folder level that could not be created; what() names it.
class FolderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Creates every missing level of a folder path. A network path ("\\server\share\...") is only
// worked on below an existing share; a path naming only a server, or a missing share, does
// nothing. Throws FolderError at the first level that cannot be created (levels made before it
// stay).
void MakeFolderPath(QString path, FolderOps& ops);

// The day folder of a measurement: the save folder and today's date as yyyymmdd.
QString dayFolder(const QString& saveFolder, const QDate& date, QChar separator);

// A name from the DM made fit to be a file name inside the day folder: path separators and the
// characters Windows forbids in names become "_", and a name of dots only gets a leading "_".
QString safeFileName(const QString& name);

}  // namespace pelmar
