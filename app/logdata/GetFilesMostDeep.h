#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace pelmar::logdata {

// A folder below the search folder that could not be listed, and why.
struct SkippedFolder {
    QString folder;
    int errorNumber = 0;  // the system's error number
    QString description;  // the system's description of it
};

struct FileSearch {
    QStringList files;  // full paths
    QList<SkippedFolder> skippedFolders;
};

// The files of a folder and of all folders below it whose names match the pattern (NamePattern):
// a folder's own files first, then each subfolder's whole tree in turn. Files and subfolders are
// taken in name order without regard to case (the exact name decides between names that differ
// only in case), so day folders named yyyymmdd come day by day and A001 before A002. Only regular
// files (or links to them) are listed; links to folders are not followed. A folder that cannot be
// listed is left out and named in skippedFolders; the rest of the tree is still searched.
FileSearch GetFilesMostDeep(const QString& folder, const QString& pattern);

// The title and text of the one message that names the folders a search had to leave out.
QString skippedFoldersTitle();
QString skippedFoldersText(const QList<SkippedFolder>& skipped);

}  // namespace pelmar::logdata
