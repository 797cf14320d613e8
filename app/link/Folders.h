#pragma once

#include <QString>
#include <stdexcept>

#include "app/seams/FolderOps.h"

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

// Makes the folder exist, parents first: 0 when it exists afterwards, -1 otherwise. A missing
// folder given with a final separator is created but reported as -1, since the created folder's
// full path never ends in one.
int EnsureFolder(const QString& folder, FolderOps& ops);

// True if the file can be opened for reading; never fails.
bool FileExists(const QString& path);

}  // namespace pelmar
