#include "app/Folders.h"

#include <QFile>

namespace pelmar {

bool FileExists(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

int EnsureFolder(const QString& folder, FolderOps& ops) {
    if (folder.isEmpty()) return -1;
    if (ops.exists(folder)) return 0;
    if (EnsureFolder(ops.parent(folder), ops) != 0) return -1;
    const auto created = ops.create(folder);
    return created && created->compare(folder, Qt::CaseInsensitive) == 0 ? 0 : -1;
}

}  // namespace pelmar
