#pragma once

#include <QByteArray>
#include <QString>

namespace pelmar::fakes {

// A small file system of the test's own, not a fake: a tmpfs of `kib` KiB mounted over a folder
// (made when missing), that the test fills up and turns read-only. It is mounted in a mount
// namespace of the calling thread, so the rest of the machine never sees it and it goes with
// the process however the test ends; programs the thread starts afterwards see it. Mounting
// needs root: failure() says why it could not be mounted.
class SmallDisk {
public:
    SmallDisk(const QString& folder, int kib);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Empty when the disk is mounted; otherwise the reason it is not.
    const QString& failure() const { return failure_; }

    // Takes every free byte with a file of its own (".filler" in the folder); makeRoom()
    // removes it again.
    void fill();
    void makeRoom();
    // Remounts the disk read-only, or writable again.
    void setReadOnly(bool readOnly);

private:
    QByteArray path_;
    QByteArray options_;
    QString failure_;
};

}  // namespace pelmar::fakes
