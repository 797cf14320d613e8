#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/Folders.h"
#include "tests/support/FakeFolders.h"

namespace pelmar {
namespace {

using fakes::FakeFolders;

TEST(EnsureFolder, CreatesMissingParentsFirst) {
    FakeFolders fs;
    fs.folders = {QStringLiteral("C:\\")};
    EXPECT_EQ(EnsureFolder(QStringLiteral("C:\\DATA\\LOG"), fs), 0);
    EXPECT_EQ(fs.created, QStringList({"C:\\DATA", "C:\\DATA\\LOG"}));
    EXPECT_EQ(EnsureFolder(QStringLiteral("C:\\DATA\\LOG"), fs), 0);
    EXPECT_EQ(fs.created.size(), 2);
}

TEST(EnsureFolder, AFinalSeparatorCreatesTheFolderButReportsFailure) {
    FakeFolders fs;
    fs.folders = {QStringLiteral("C:\\"), QStringLiteral("C:\\DATA")};
    EXPECT_EQ(EnsureFolder(QStringLiteral("C:\\DATA\\NEW\\"), fs), -1);
    EXPECT_TRUE(fs.exists(QStringLiteral("C:\\DATA\\NEW")));
    EXPECT_EQ(EnsureFolder(QStringLiteral("C:\\DATA\\NEW\\"), fs), 0) << "it exists now";
}

TEST(EnsureFolder, EmptyPathsAndBlockedLevelsFail) {
    FakeFolders fs;
    fs.folders = {QStringLiteral("C:\\")};
    fs.blocked = {QStringLiteral("C:\\FILE")};
    EXPECT_EQ(EnsureFolder(QString(), fs), -1);
    EXPECT_EQ(EnsureFolder(QStringLiteral("C:\\FILE\\SUB"), fs), -1);
    EXPECT_TRUE(fs.created.isEmpty());
}

TEST(EnsureFolder, WorksOnTheComputersOwnFolders) {
    QTemporaryDir dir;
    LocalFolders local;
    const QString deep = dir.filePath(QStringLiteral("a/b/c"));
    EXPECT_EQ(EnsureFolder(deep, local), 0);
    EXPECT_TRUE(QFileInfo(deep).isDir());
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_EQ(EnsureFolder(dir.filePath(QStringLiteral("file/sub")), local), -1);
}

TEST(FileExists, TrueOnlyForAReadableFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f"));
    EXPECT_FALSE(FileExists(path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(FileExists(QString()));
}

}  // namespace
}  // namespace pelmar
