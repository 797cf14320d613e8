#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

#include "app/folders/Volumes.h"

namespace pelmar::fakes {

// Volumes of a test's choosing (folders standing in for mounted volumes); a volume can be made
// unreadable for a number of checks, as a drive without a medium is.
class FakeVolumes : public folders::Volumes {
public:
    std::vector<folders::Volume> list() override { return volumes; }
    bool readable(const QString& root) override {
        checked.append(root);
        if (failuresLeft.value(root) == 0) return true;
        --failuresLeft[root];
        return false;
    }

    std::vector<folders::Volume> volumes;
    QHash<QString, int> failuresLeft;  // how many more checks of a root fail
    QStringList checked;
};

}  // namespace pelmar::fakes
