#pragma once

#include <QString>

#include "app/seams/FolderOps.h"
#include "app/seams/Prompts.h"

namespace pelmar::folders {

// Makes the folder with MakeFolderPath for a dialog's "作成". True when the folder exists
// afterwards; otherwise a message box names the folder and why it could not be made (a file in
// the way, no permission, no such place), or asks for a folder when the box holds none.
bool makeFolderTelling(const QString& folder, FolderOps& ops, Prompts& prompts);

}  // namespace pelmar::folders
