#pragma once

#include <QString>
#include <vector>

#include "app/platform/Drives.h"

namespace pelmar::folders {

// A place the inspector can keep data on: a drive letter on the station's computer, a mounted
// volume elsewhere.
using Volume = platform::Drive;

// The volumes the folder pickers offer, and whether one can be read right now (a medium taken
// out, a network share gone). Real: the computer's drives; tests: volumes of their choosing.
class Volumes {
public:
    virtual ~Volumes() = default;
    virtual std::vector<Volume> list() = 0;
    virtual bool readable(const QString& root) = 0;
};

// The volume whose root holds the path (the deepest one), or nullptr.
const Volume* volumeOf(const std::vector<Volume>& volumes, const QString& path);

// The computer's drives.
class LocalVolumes : public Volumes {
public:
    std::vector<Volume> list() override;
    bool readable(const QString& root) override;
};

}  // namespace pelmar::folders
