#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/ProgramFiles.h"

namespace pelmar {
namespace {

// Which folders hold PELMAR.INI, NAME.INI and the default save folder, for a program run from
// its installed bin folder or from anywhere else, with and without the XDG variables.
TEST(ProgramFiles, ProgramFolderUnlessInstalledThenPerUser) {
    QTemporaryDir bin, elsewhere, withIni;
    QFile ini(QDir(withIni.path()).filePath(QStringLiteral("PELMAR.INI")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.close();
    QProcessEnvironment xdg;
    xdg.insert(QStringLiteral("HOME"), QStringLiteral("/home/inspector"));
    xdg.insert(QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("/cfg"));
    xdg.insert(QStringLiteral("XDG_DATA_HOME"), QStringLiteral("/data"));
    QProcessEnvironment homeOnly;
    homeOnly.insert(QStringLiteral("HOME"), QStringLiteral("/home/inspector"));
    QProcessEnvironment relative = homeOnly;  // relative XDG paths are to be ignored
    relative.insert(QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("cfg"));
    relative.insert(QStringLiteral("XDG_DATA_HOME"), QStringLiteral("data"));

    const QString perUserConfig = QStringLiteral("/home/inspector/.config/pelmar");
    const QString perUserData = QStringLiteral("/home/inspector/.local/share/pelmar");
    struct Case {
        const char* what;
        QString programFolder;
        QString installedBin;
        QProcessEnvironment environment;
        QString configFolder;
        QString saveFolder;
    } cases[] = {
        {"a build folder", elsewhere.path(), bin.path(), xdg, elsewhere.path(), elsewhere.path()},
        {"installed, XDG set", bin.path(), bin.path(), xdg, "/cfg/pelmar", "/data/pelmar"},
        {"installed, spelled otherwise", bin.path() + "/../" + QDir(bin.path()).dirName(),
         bin.path(), homeOnly, perUserConfig, perUserData},
        {"installed, XDG relative", bin.path(), bin.path(), relative, perUserConfig, perUserData},
        {"installed with a PELMAR.INI beside it", withIni.path(), withIni.path(), xdg,
         withIni.path(), withIni.path()},
    };
    for (const Case& c : cases) {
        const ProgramFiles files =
            locateProgramFiles(c.programFolder, c.installedBin, c.environment);
        EXPECT_EQ(files.configFolder, c.configFolder) << c.what;
        EXPECT_EQ(files.saveFolder, c.saveFolder) << c.what;
    }
}

}  // namespace
}  // namespace pelmar
