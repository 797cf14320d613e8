#pragma once

#include "app/seams/FolderOps.h"

namespace pelmar::folders {

// The computer's own folders.
class LocalFolders : public FolderOps {
public:
    QChar separator() const override;
    bool exists(const QString& folder) override;
    FileOutcome<QString> create(const QString& folder) override;
    QString parent(const QString& folder) override;
};

}  // namespace pelmar::folders
