#include "app/platform/Mounts.h"

#include <QStringList>
#include <algorithm>

namespace pelmar::platform {
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

std::vector<Drive> dataVolumes(std::vector<Mount> mounts) {
    std::vector<Drive> volumes;
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

}  // namespace pelmar::platform
