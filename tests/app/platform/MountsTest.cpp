#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>

#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "app/folders/Volumes.h"
#include "app/platform/Mounts.h"

namespace pelmar::platform {
namespace {

TEST(DataVolumesTest, TheRootFirstThenRealFileSystemsByMountPoint) {
    const auto mount = [](const char* root, const char* device, const char* type, bool ready = true,
                          bool readable = true, bool isFolder = true) {
        return Mount{QString::fromLatin1(root),
                     QString::fromLatin1(device),
                     QString::fromLatin1(type),
                     QString(),
                     ready,
                     readable,
                     isFolder};
    };
    const std::vector<Drive> volumes = dataVolumes({
        mount("/proc", "proc", "proc"),
        mount("/media/usb", "/dev/sdb1", "vfat"),
        mount("/dev/shm", "tmpfs", "tmpfs"),
        mount("/", "overlay", "overlay"),
        mount("/mnt/sandboxing/tools", "tools", "tmpfs"),
        mount("/etc/hosts", "/dev/vda", "ext4", true, true, false),
        mount("/snap/core/1", "/dev/loop3", "squashfs"),
        mount("/media/cd", "/dev/sr0", "iso9660", false),
        mount("/media/locked", "/dev/sdc1", "ext4", true, false),
        mount("/srv/share", "server:/export", "nfs4"),
        mount("/data", "/dev/sda2", "ext4"),
        mount("/data", "/dev/sda2", "ext4"),
    });
    QStringList roots;
    for (const Drive& volume : volumes) roots.append(volume.root);
    EXPECT_EQ(roots, QStringList({"/", "/data", "/media/usb", "/srv/share"}));
    EXPECT_EQ(folders::volumeOf(volumes, QStringLiteral("/media/usb/day"))->root, "/media/usb");
    EXPECT_EQ(folders::volumeOf(volumes, QStringLiteral("/media/usbstick"))->root, "/");
}

// The real check, against the system's own mounts: a USB stick pulled out leaves its mount
// folder behind, an empty folder of the volume above it, which is no drive. The test mounts a
// small file system of its own, in a mount namespace of its own that ends with the test.
TEST(LocalVolumesTest, OnlyAFolderWithAFileSystemMountedOnItIsADrive) {
    if (unshare(CLONE_NEWNS) != 0 ||
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        GTEST_SKIP() << "this machine lets the test mount nothing of its own: "
                     << std::strerror(errno);
    }
    QTemporaryDir stick;
    const QByteArray folder = stick.path().toLocal8Bit();
    folders::LocalVolumes volumes;
    EXPECT_TRUE(volumes.readable(QStringLiteral("/")));
    EXPECT_FALSE(volumes.readable(stick.path())) << "a plain folder";

    ASSERT_EQ(mount("stick", folder.constData(), "tmpfs", 0, "size=64k"), 0)
        << std::strerror(errno);
    EXPECT_TRUE(volumes.readable(stick.path())) << "the stick is in";
    ASSERT_EQ(umount(folder.constData()), 0) << std::strerror(errno);
    EXPECT_FALSE(volumes.readable(stick.path())) << "the stick is out";
}

}  // namespace
}  // namespace pelmar::platform
