#include "app/folders/Volumes.h"

namespace pelmar::folders {

const Volume* volumeOf(const std::vector<Volume>& volumes, const QString& path) {
    const Volume* best = nullptr;
    for (const Volume& volume : volumes) {
        if (platform::liesOn(path, volume.root) &&
            (!best || volume.root.size() > best->root.size())) {
            best = &volume;
        }
    }
    return best;
}

std::vector<Volume> LocalVolumes::list() {
    return platform::dataDrives();
}

bool LocalVolumes::readable(const QString& root) {
    return platform::driveReadable(root);
}

}  // namespace pelmar::folders
