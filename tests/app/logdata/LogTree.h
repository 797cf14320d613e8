#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>

namespace pelmar::logdata {

// A folder tree of log files in a temporary folder that any user may read.
class LogTree {
public:
    LogTree() { EXPECT_EQ(::chmod(QFile::encodeName(root()).constData(), 0755), 0); }
    // Gives the locked paths back their permissions, so that the tree can be removed.
    ~LogTree() {
        for (const QString& p : locked_) ::chmod(QFile::encodeName(p).constData(), 0700);
    }
    QString root() const { return dir_.path(); }
    QString path(const QString& relative) const { return dir_.filePath(relative); }

    // Writes a file, making its folders first.
    void write(const QString& relative, const QByteArray& bytes) const {
        EXPECT_TRUE(QDir().mkpath(QFileInfo(path(relative)).path()));
        QFile f(path(relative));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Takes every permission away from a file or folder.
    void lock(const QString& relative) {
        locked_.append(path(relative));
        EXPECT_EQ(::chmod(QFile::encodeName(locked_.last()).constData(), 0), 0);
    }

private:
    QTemporaryDir dir_;
    QStringList locked_;
};

// Runs the rest of a test as an ordinary user: root reads files and folders whatever their
// permissions say, so a test of what cannot be read drops root's effective user while it runs.
class AsOrdinaryUser {
public:
    AsOrdinaryUser() : wasRoot_(::geteuid() == 0) {
        if (wasRoot_) dropped_ = ::seteuid(kNobody) == 0;
    }
    ~AsOrdinaryUser() {
        // The other tests cannot run on as another user.
        if (dropped_ && ::seteuid(0) != 0) std::abort();
    }
    // Whether reading the locked path now fails, as it must for the test to mean anything.
    bool denies(const QString& lockedPath) const {
        if (wasRoot_ && !dropped_) return false;
        const int fd = ::open(QFile::encodeName(lockedPath).constData(), O_RDONLY);
        if (fd >= 0) ::close(fd);
        return fd < 0;
    }

private:
    static constexpr uid_t kNobody = 65534;
    bool wasRoot_;
    bool dropped_ = false;
};

}  // namespace pelmar::logdata
