#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include "app/platform/Drives.h"
#include "app/platform/Mounts.h"

namespace pelmar::platform {

std::vector<Drive> dataDrives() {
    std::vector<Mount> mounts;
    for (const QStorageInfo& info : QStorageInfo::mountedVolumes()) {
        const QFileInfo root(info.rootPath());
        mounts.push_back({info.rootPath(), QString::fromLocal8Bit(info.device()),
                          QString::fromLatin1(info.fileSystemType()), info.name(), info.isReady(),
                          root.isReadable(), root.isDir()});
    }
    return dataVolumes(std::move(mounts));
}

bool driveReadable(const QString& root) {
    // A volume taken away leaves its mount point behind as a folder of the volume above it.
    const QStorageInfo info(root);
    return info.isValid() && info.isReady() && info.rootPath() == root && QDir(root).isReadable();
}

bool liesOn(const QString& path, const QString& root) {
    if (root.endsWith(u'/')) return path.startsWith(root);
    return path == root || path.startsWith(root + u'/');
}

}  // namespace pelmar::platform
