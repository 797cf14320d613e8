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
// installed Tessio; without either, nothing.
TEST(TessioLibrary, BesideTheProgramFirstThenTheInstalledOne) {
    QTemporaryDir beside, installedFolder, empty;
    const QString besidePath = QDir(beside.path()).filePath(TessioLibrary::fileName());
    const QString installed =
        QDir(installedFolder.path()).filePath(QStringLiteral("libtessio.so.1"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TESSIO_LIBRARY), besidePath));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TESSIO_LIBRARY), installed));
    // Each with the GDI stand-in where it looks for it: beside it, or in its private folder.
    const QString gdi = QStringLiteral("libgdi32.so");
    ASSERT_TRUE(QDir(installedFolder.path()).mkdir(QStringLiteral("tessio")));
    for (const QString& folder :
         {beside.path(), installedFolder.path() + QStringLiteral("/tessio")})
        ASSERT_TRUE(QFile::copy(QStringLiteral(GDI_LIBRARY), QDir(folder).filePath(gdi)));
    struct Case {
        QString programFolder;
        QString installedLibrary;
        QString loaded;
    } cases[] = {
        {beside.path(), installed, besidePath},
        {empty.path(), installed, installed},
        {empty.path(), QString(), QString()},
    };
    for (const Case& c : cases) {
        TessioLibrary library(c.programFolder, c.installedLibrary);
        EXPECT_EQ(library.DDSopen_sys().has_value(), !c.loaded.isEmpty()) << c.loaded.toStdString();
        for (const QString& path : {besidePath, installed})
            EXPECT_EQ(mapped(path), path == c.loaded) << path.toStdString();
    }
}

}  // namespace
}  // namespace pelmar::imaging
