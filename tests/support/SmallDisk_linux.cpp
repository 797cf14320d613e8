#include "tests/support/SmallDisk.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <cstring>
#include <vector>

namespace pelmar::fakes {
namespace {

QString lastError(const char* what) {
    return QStringLiteral("%1: %2").arg(QString::fromLatin1(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

}  // namespace

SmallDisk::SmallDisk(const QString& folder, int kib)
    : path_(QDir(folder).absolutePath().toLocal8Bit()),
      options_(QByteArray("size=") + QByteArray::number(kib) + "k,mode=0755") {
    QDir().mkpath(folder);
    // The new namespace's mounts must not propagate back to the machine's.
    if (unshare(CLONE_NEWNS) != 0) {
        failure_ = lastError("a mount namespace of the test's own (unshare)");
    } else if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        failure_ = lastError("private mounts (mount --make-rprivate /)");
    } else if (mount("tmpfs", path_.constData(), "tmpfs", 0, options_.constData()) != 0) {
        failure_ = lastError("mount -t tmpfs");
    }
}

SmallDisk::~SmallDisk() {
    if (failure_.isEmpty()) umount2(path_.constData(), MNT_DETACH);
}

void SmallDisk::fill() {
    const QByteArray filler = path_ + "/.filler";
    const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << lastError("open").toStdString();
    const std::vector<char> block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    const int full = errno;
    ::close(fd);
    EXPECT_EQ(full, ENOSPC) << "the disk should be full now";
}

void SmallDisk::makeRoom() {
    EXPECT_EQ(::unlink((path_ + "/.filler").constData()), 0) << lastError("unlink").toStdString();
}

void SmallDisk::setReadOnly(bool readOnly) {
    const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
    EXPECT_EQ(mount(nullptr, path_.constData(), nullptr, flags, options_.constData()), 0)
        << lastError("mount -o remount").toStdString();
}

}  // namespace pelmar::fakes
