#include "app/folders/Volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace pelmar::folders {
namespace {

bool isNetworkType(const QString& type) {
    static const QStringList network = {QStringLiteral("nfs"),   QStringLiteral("nfs4"),
                                        QStringLiteral("cifs"),  QStringLiteral("smb3"),
                                        QStringLiteral("smbfs"), QStringLiteral("fuse.sshfs")};
    return network.contains(type);
}

// Compressed read-only images that packaging systems mount from loop devices.
bool isImageType(const QString& type) {
    return type == QStringLiteral("squashfs") || type == QStringLiteral("erofs");
}

}  // namespace

bool liesOn(const QString& path, const QString& root) {
    if (root == QStringLiteral("/")) return path.startsWith(u'/');
    return path == root || path.startsWith(root + u'/');
}

std::vector<Volume> dataVolumes(std::vector<Mount> mounts) {
    std::vector<Volume> volumes;
    std::sort(mounts.begin(), mounts.end(), [](const Mount& a, const Mount& b) {
        const bool aRoot = a.root == QStringLiteral("/");
        const bool bRoot = b.root == QStringLiteral("/");
        return aRoot != bRoot ? aRoot : a.root < b.root;
    });
    for (const Mount& mount : mounts) {
        if (!mount.ready || !mount.readable || !mount.isFolder) continue;
        const bool real =
            mount.root == QStringLiteral("/") ||
            (mount.device.startsWith(QStringLiteral("/dev/")) && !isImageType(mount.type)) ||
            isNetworkType(mount.type);
        if (!real) continue;
        if (!volumes.empty() && volumes.back().root == mount.root) continue;
        volumes.push_back({mount.root, mount.name});
    }
    return volumes;
}

const Volume* volumeOf(const std::vector<Volume>& volumes, const QString& path) {
    const Volume* best = nullptr;
    for (const Volume& volume : volumes) {
        if (liesOn(path, volume.root) && (!best || volume.root.size() > best->root.size())) {
            best = &volume;
        }
    }
    return best;
}

std::vector<Volume> LocalVolumes::list() {
    std::vector<Mount> mounts;
    for (const QStorageInfo& info : QStorageInfo::mountedVolumes()) {
        const QFileInfo root(info.rootPath());
        mounts.push_back({info.rootPath(), QString::fromLocal8Bit(info.device()),
                          QString::fromLatin1(info.fileSystemType()), info.name(), info.isReady(),
                          root.isReadable(), root.isDir()});
    }
    return dataVolumes(std::move(mounts));
}

bool LocalVolumes::readable(const QString& root) {
    // A volume taken away leaves its mount point behind as a folder of the volume above it.
    const QStorageInfo info(root);
    return info.isValid() && info.isReady() && info.rootPath() == root && QDir(root).isReadable();
}

}  // namespace pelmar::folders
