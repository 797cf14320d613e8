#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/folders/FolderMaking.h"
#include "app/folders/LocalFolders.h"
#include "tests/support/FakeFolders.h"
#include "tests/support/NativePath.h"

namespace pelmar::folders {
namespace {

using fakes::FakeFolders;

// The same cases with the station's separator and with this system's.
class MakeFolderPathTest : public ::testing::TestWithParam<QChar> {
protected:
    QString p(QString path) const { return path.replace(u'\\', GetParam()); }
    QStringList ps(const QStringList& paths) const {
        QStringList out;
        for (const QString& path : paths) out.append(p(path));
        return out;
    }
    FakeFolders fs{GetParam()};
};

TEST_P(MakeFolderPathTest, CreatesEveryMissingLevelAndOnlyTestsTheRoot) {
    fs.folders = {p("C:\\")};
    MakeFolderPath(p("C:\\DATA\\20261207"), fs);
    EXPECT_EQ(fs.created, ps({"C:\\DATA", "C:\\DATA\\20261207"}));
}

TEST_P(MakeFolderPathTest, AnExistingPathCreatesNothingWithOrWithoutTrailingSeparator) {
    fs.folders = {p("C:\\"), p("C:\\DATA"), p("C:\\DATA\\X")};
    MakeFolderPath(p("C:\\DATA\\X"), fs);
    MakeFolderPath(p("C:\\DATA\\X\\"), fs);
    EXPECT_TRUE(fs.created.isEmpty());
    MakeFolderPath(p("C:\\DATA\\Y\\"), fs);
    MakeFolderPath(p("C:\\DATA\\Z"), fs);
    EXPECT_EQ(fs.created, ps({"C:\\DATA\\Y", "C:\\DATA\\Z"}));
}

TEST_P(MakeFolderPathTest, NetworkPathsWorkBelowAnExistingShare) {
    fs.folders = {p("\\\\server\\share")};
    MakeFolderPath(p("\\\\server\\share\\a\\b"), fs);
    EXPECT_EQ(fs.created, ps({"\\\\server\\share\\a", "\\\\server\\share\\a\\b"}));
}

TEST_P(MakeFolderPathTest, FourLeadingSeparatorsWorkAsTwo) {
    fs.folders = {p("\\\\server\\share")};
    MakeFolderPath(p("\\\\\\\\server\\share\\a"), fs);
    EXPECT_EQ(fs.created, ps({"\\\\server\\share\\a"}));
}

TEST_P(MakeFolderPathTest, AServerAloneOrAMissingShareDoesNothing) {
    fs.folders = {p("\\\\server\\share")};
    MakeFolderPath(p("\\\\server"), fs);
    MakeFolderPath(p("\\\\server\\"), fs);
    MakeFolderPath(p("\\\\server\\other\\a"), fs);
    EXPECT_TRUE(fs.created.isEmpty());
}

TEST_P(MakeFolderPathTest, ALevelThatCannotBeMadeIsReportedAndEarlierLevelsStay) {
    fs.folders = {p("C:\\")};
    fs.blocked = {p("C:\\DATA\\FILE")};
    const auto made = MakeFolderPath(p("C:\\DATA\\FILE\\SUB"), fs);
    ASSERT_FALSE(made);
    EXPECT_EQ(made.problem().path, p("C:\\DATA\\FILE\\"));
    EXPECT_EQ(fs.created, ps({"C:\\DATA"}));
}

TEST_P(MakeFolderPathTest, AnEmptyPathIsTheRootWhichExists) {
    fs.folders = {QString(GetParam())};
    MakeFolderPath(QString(), fs);
    EXPECT_TRUE(fs.created.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Separators, MakeFolderPathTest,
                         ::testing::Values(QChar(u'\\'), QChar(u'/')));

TEST(MakeFolderPath, MakesRealFoldersAndStopsAtAFileInTheWay) {
    QTemporaryDir dir;
    LocalFolders local;
    MakeFolderPath(dir.filePath(QStringLiteral("a/b/c")), local);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("a/b/c"))).isDir());
    QFile file(dir.filePath(QStringLiteral("a/f")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const auto made = MakeFolderPath(dir.filePath(QStringLiteral("a/f/g")), local);
    ASSERT_FALSE(made);
    EXPECT_EQ(made.problem().reason,
              QStringLiteral("同じ名前のファイル %1 があります").arg(native(file.fileName())));
}

TEST(EnsureFolder, CreatesMissingParentsFirst) {
    FakeFolders fs;
    fs.folders = {QStringLiteral("C:\\")};
    EXPECT_TRUE(EnsureFolder(QStringLiteral("C:\\DATA\\LOG"), fs));
    EXPECT_EQ(fs.created, QStringList({"C:\\DATA", "C:\\DATA\\LOG"}));
    EXPECT_TRUE(EnsureFolder(QStringLiteral("C:\\DATA\\LOG"), fs));
    EXPECT_EQ(fs.created.size(), 2);
}

TEST(EnsureFolder, AFinalSeparatorCreatesTheFolderButReportsFailure) {
    FakeFolders fs;
    fs.folders = {QStringLiteral("C:\\"), QStringLiteral("C:\\DATA")};
    EXPECT_FALSE(EnsureFolder(QStringLiteral("C:\\DATA\\NEW\\"), fs));
    EXPECT_TRUE(fs.exists(QStringLiteral("C:\\DATA\\NEW")));
    EXPECT_TRUE(EnsureFolder(QStringLiteral("C:\\DATA\\NEW\\"), fs)) << "it exists now";
}

TEST(EnsureFolder, EmptyPathsAndBlockedLevelsFail) {
    FakeFolders fs;
    fs.folders = {QStringLiteral("C:\\")};
    fs.blocked = {QStringLiteral("C:\\FILE")};
    EXPECT_FALSE(EnsureFolder(QString(), fs));
    EXPECT_FALSE(EnsureFolder(QStringLiteral("C:\\FILE\\SUB"), fs));
    EXPECT_TRUE(fs.created.isEmpty());
}

TEST(EnsureFolder, WorksOnTheComputersOwnFolders) {
    QTemporaryDir dir;
    LocalFolders local;
    const QString deep = dir.filePath(QStringLiteral("a/b/c"));
    EXPECT_TRUE(EnsureFolder(deep, local));
    EXPECT_TRUE(QFileInfo(deep).isDir());
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_FALSE(EnsureFolder(dir.filePath(QStringLiteral("file/sub")), local));
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
}  // namespace pelmar::folders
