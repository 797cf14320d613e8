#include "tests/support/SmallDisk.h"

#include <QDir>

namespace pelmar::fakes {

// A tmpfs in a mount namespace of the test's own is a thing of Linux: under Wine the tests that
// need one say so and are skipped. Whole-or-nothing storing on Windows is tested with a file the
// system keeps from being replaced and a folder that is gone (tests/app/platform).
SmallDisk::SmallDisk(const QString& folder, int)
    : failure_(QStringLiteral("a small disk of the test's own is mounted on Linux only")) {
    QDir().mkpath(folder);
}

SmallDisk::~SmallDisk() = default;

void SmallDisk::fill() {}

void SmallDisk::makeRoom() {}

void SmallDisk::setReadOnly(bool) {}

}  // namespace pelmar::fakes
