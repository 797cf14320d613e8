#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace pelmar::logdata {

// A folder tree of log files in a temporary folder that any user may read.
class LogTree {
public:
    LogTree();
    // Gives the locked paths back their permissions, so that the tree can be removed.
    ~LogTree();
    // In the system's spelling, as the program writes the paths it reads.
    QString root() const { return QDir::toNativeSeparators(dir_.path()); }
    QString path(const QString& relative) const {
        return QDir::toNativeSeparators(dir_.filePath(relative));
    }

    // Writes a file, making its folders first.
    void write(const QString& relative, const QByteArray& bytes) const {
        EXPECT_TRUE(QDir().mkpath(QFileInfo(path(relative)).path()));
        QFile f(path(relative));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Takes every permission away from a file or folder.
    void lock(const QString& relative);

private:
    QTemporaryDir dir_;
    QStringList locked_;
};

// Runs the rest of a test as an ordinary user: root reads files and folders whatever their
// permissions say, so a test of what cannot be read drops root's effective user while it runs.
// Under Wine, which keeps no permissions of Windows, nothing is denied.
class AsOrdinaryUser {
public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();
    // Whether reading the locked path now fails, as it must for the test to mean anything.
    bool denies(const QString& lockedPath) const;

private:
    bool wasRoot_ = false;
    bool dropped_ = false;
};

}  // namespace pelmar::logdata
