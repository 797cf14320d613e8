#pragma once

#include <QString>

#include "app/seams/FileOutcome.h"
#include "app/seams/FolderOps.h"
#include "app/seams/Prompts.h"

// Making folders, for the measurements' day folders, the program's own folders and a dialog's
// "作成", and whether a file is there: one place, over the folder operations of FolderOps.
namespace pelmar::folders {

// Creates every missing level of a folder path. A network path ("\\server\share\...") is only
// worked on below an existing share; a path naming only a server, or a missing share, does
// nothing. The problem names the first level that cannot be created (levels made before it
// stay) and why.
FileOutcome<> MakeFolderPath(QString path, FolderOps& ops);

// The path written with the folders' own separator: Windows takes "/" too, and writes "\\".
QString spelledWith(const QString& path, QChar separator);

// "フォルダを作成できません: LEVEL（REASON）": how the program names a folder level it could not
// make.
QString notMade(const FileProblem& problem);

// Makes the folder exist, parents first; the problem names the level that is not there
// afterwards, and why. A missing folder given with a final separator is created but reported as
// a problem, since the created folder's full path never ends in one.
[[nodiscard]] FileOutcome<> EnsureFolder(const QString& folder, FolderOps& ops);

// True if the file can be opened for reading; never fails.
bool FileExists(const QString& path);

// Makes the folder with MakeFolderPath for a dialog's "作成". True when the folder exists
// afterwards; otherwise a message box names the folder and why it could not be made (a file in
// the way, no permission, no such place), or asks for a folder when the box holds none.
bool makeFolderTelling(const QString& folder, FolderOps& ops, Prompts& prompts);

}  // namespace pelmar::folders
