#pragma once

#include <QString>
#include <vector>

#include "app/platform/Drives.h"

namespace pelmar::platform {

// One mounted file system as the system lists it.
struct Mount {
    QString root;
    QString device;
    QString type;
    QString name;
    bool ready = false;
    bool readable = false;
    bool isFolder = false;  // a file bind-mounted onto a file is no place for data
};

// The mounts a user sees as places for data: the root file system first, then the others by
// mount point. Kept are those that are ready, readable folders and real file systems (a block
// device or a network share); pseudo and sandbox mounts (proc, tmpfs, cgroup, snap images, files
// mounted onto files) are left out.
std::vector<Drive> dataVolumes(std::vector<Mount> mounts);

}  // namespace pelmar::platform
