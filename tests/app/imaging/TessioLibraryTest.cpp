#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/imaging/TessioLibrary.h"

namespace pelmar::imaging {
namespace {

bool mapped(const QString& path) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(QFile::encodeName(path));
}

// Tessio beside the program (a build folder, a portable copy) is loaded first; without one, the
// installed Tessio; without either, nothing, and the problem names the library that is there
// but cannot be loaded rather than one that is missing.
TEST(TessioLibrary, BesideTheProgramFirstThenTheInstalledOne) {
    QTemporaryDir beside, installedFolder, empty, broken;
    const QString besidePath = QDir(beside.path()).filePath(TessioLibrary::fileName());
    const QString installed =
        QDir(installedFolder.path()).filePath(QStringLiteral("libtessio.so.1"));
    const QString brokenPath = QDir(broken.path()).filePath(TessioLibrary::fileName());
    ASSERT_TRUE(QFile::copy(QStringLiteral(TESSIO_LIBRARY), besidePath));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TESSIO_LIBRARY), installed));
    QFile notALibrary(brokenPath);
    ASSERT_TRUE(notALibrary.open(QIODevice::WriteOnly) && notALibrary.write("MZ, cut short") > 0);
    notALibrary.close();
    // Each with the GDI stand-in where it looks for it: beside it, or in its private folder.
    const QString gdi = QStringLiteral("libgdi32.so");
    ASSERT_TRUE(QDir(installedFolder.path()).mkdir(QStringLiteral("tessio")));
    for (const QString& folder :
         {beside.path(), installedFolder.path() + QStringLiteral("/tessio")})
        ASSERT_TRUE(QFile::copy(QStringLiteral(GDI_LIBRARY), QDir(folder).filePath(gdi)));
    const QString missing = QDir(empty.path()).filePath(TessioLibrary::fileName());
    struct Case {
        QString programFolder;
        QString installedLibrary;
        QString loaded;
        QString problemOf;
    } cases[] = {
        {beside.path(), installed, besidePath, {}},
        {empty.path(), installed, installed, {}},
        {broken.path(), installed, installed, {}},
        {empty.path(), QString(), QString(), missing},
        {broken.path(), QStringLiteral("/nowhere/libtessio.so.1"), QString(), brokenPath},
        {empty.path(), brokenPath, QString(), brokenPath},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.programFolder.toStdString() + " / " + c.installedLibrary.toStdString());
        TessioLibrary library(c.programFolder, c.installedLibrary);
        const auto opened = library.DDSopen_sys();
        EXPECT_EQ(static_cast<bool>(opened), !c.loaded.isEmpty());
        if (!opened) {
            EXPECT_EQ(opened.problem().path, c.problemOf);
            EXPECT_FALSE(opened.problem().reason.isEmpty());
            EXPECT_FALSE(opened.problem().reason.startsWith(c.problemOf)) << "the path once";
        }
        for (const QString& path : {besidePath, installed})
            EXPECT_EQ(mapped(path), path == c.loaded) << path.toStdString();
    }
}

}  // namespace
}  // namespace pelmar::imaging
