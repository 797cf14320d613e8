#pragma once

#include <QString>

#include "app/link/FolderOps.h"

namespace pelmar {

// True if the file can be opened for reading; never fails.
bool FileExists(const QString& path);

// Makes the folder exist, parents first: 0 when it exists afterwards, -1 otherwise. A missing
// folder given with a final separator is created but reported as -1, since the created folder's
// full path never ends in one.
int EnsureFolder(const QString& folder, FolderOps& ops);

}  // namespace pelmar
