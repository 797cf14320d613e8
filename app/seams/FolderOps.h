#pragma once

#include <QChar>
#include <QString>

#include "app/seams/FileOutcome.h"

namespace pelmar {

// The folder operations that MakeFolderPath and EnsureFolder need, so that their Windows-style
// cases (drive roots, network paths with "\\") can be exercised on any system.
class FolderOps {
public:
    virtual ~FolderOps() = default;
    virtual QChar separator() const = 0;
    virtual bool exists(const QString& folder) = 0;
    // Creates one folder whose parent exists and answers its full path (never ending in a
    // separator), or the problem: the folder and why it could not be made.
    virtual FileOutcome<QString> create(const QString& folder) = 0;
    // The path without its last component ("" when there is none).
    virtual QString parent(const QString& folder) = 0;
};

}  // namespace pelmar
