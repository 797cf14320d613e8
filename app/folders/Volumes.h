#pragma once

#include <QString>
#include <vector>

namespace pelmar::folders {

// A place the inspector can keep data on: what a drive letter is on the station's computer, a
// mounted volume here.
struct Volume {
    QString root;  // its mount point, e.g. "/" or "/media/usb"
    QString name;  // its label, may be empty
};

// The volumes the folder pickers offer, and whether one can be read right now (a medium taken
// out, a network share gone). Real: the mounted volumes; tests: volumes of their choosing.
class Volumes {
public:
    virtual ~Volumes() = default;
    virtual std::vector<Volume> list() = 0;
    virtual bool readable(const QString& root) = 0;
};

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
std::vector<Volume> dataVolumes(std::vector<Mount> mounts);

// Whether the path lies on the volume mounted at root (the root itself included).
bool liesOn(const QString& path, const QString& root);

// The volume whose mount point holds the path (the deepest one), or nullptr.
const Volume* volumeOf(const std::vector<Volume>& volumes, const QString& path);

// The computer's mounted volumes.
class LocalVolumes : public Volumes {
public:
    std::vector<Volume> list() override;
    bool readable(const QString& root) override;
};

}  // namespace pelmar::folders
