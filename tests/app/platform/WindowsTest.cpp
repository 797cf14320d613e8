#include <gtest/gtest.h>
#include <windows.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <array>

#include "app/ProgramFiles.h"
#include "app/imaging/PictureBox.h"
#include "app/imaging/TessioLibrary.h"
#include "app/platform/Drives.h"
#include "app/platform/WholeFile.h"
#include "tests/support/NativePath.h"

namespace pelmar::platform {
namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// The folder pickers offer the drive letters that hold data, each as Windows writes its root;
// a letter without a drive is neither listed nor readable.
TEST(WindowsDrives, TheDriveLettersThatHoldData) {
    QStringList roots;
    for (const Drive& drive : dataDrives()) roots.append(drive.root);
    EXPECT_TRUE(roots.contains(QStringLiteral("C:\\"))) << roots.join(u' ').toStdString();
    for (const QString& root : roots) {
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Z]:\\\\$")).match(root).hasMatch())
            << root.toStdString();
    }
    EXPECT_TRUE(driveReadable(QStringLiteral("C:\\")));
    const DWORD letters = GetLogicalDrives();
    int unused = 25;
    while (unused > 2 && (letters & (1u << unused))) --unused;
    const QString none = QStringLiteral("%1:\\").arg(QChar(u'A' + unused));
    EXPECT_FALSE(driveReadable(none)) << none.toStdString();
    EXPECT_FALSE(roots.contains(none));

    struct Case {
        const char* path;
        const char* root;
        bool on;
    } cases[] = {
        {"C:\\data\\20261208", "C:\\", true},
        {"c:/data", "C:\\", true},
        {"C:\\", "C:\\", true},
        {"D:\\data", "C:\\", false},
        {"\\\\server\\share\\day", "\\\\server\\share", true},
        {"\\\\server\\shared", "\\\\server\\share", false},
    };
    for (const Case& c : cases) EXPECT_EQ(liesOn(c.path, c.root), c.on) << c.path << " " << c.root;
}

// A program below Program Files is installed there, where a user cannot write: it keeps its
// files in the user's own folders. Anywhere else, or with a PELMAR.INI beside it, it keeps them
// beside itself, in the system's spelling.
TEST(WindowsProgramFiles, BelowProgramFilesPerUserElseBesideTheProgram) {
    QTemporaryDir programFiles;
    const QString installed = QDir(programFiles.path()).filePath(QStringLiteral("Pelmar"));
    const QString withIni = QDir(programFiles.path()).filePath(QStringLiteral("Pelmar2"));
    ASSERT_TRUE(QDir().mkpath(withIni));
    QFile ini(QDir(withIni).filePath(QStringLiteral("PELMAR.INI")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.close();
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("APPDATA"),
                       QStringLiteral("C:\\Users\\kensa\\AppData\\Roaming"));
    environment.insert(QStringLiteral("LOCALAPPDATA"),
                       QStringLiteral("C:\\Users\\kensa\\AppData\\Local"));
    const QString config = QStringLiteral("C:\\Users\\kensa\\AppData\\Roaming\\Pelmar");
    const QString data = QStringLiteral("C:\\Users\\kensa\\AppData\\Local\\Pelmar");
    const QString portable = QStringLiteral("D:\\Pelmar");
    struct Case {
        const char* what;
        QString programFolder;
        QString configFolder;
        QString saveFolder;
    } cases[] = {
        {"installed", installed, config, data},
        {"installed, spelled otherwise", installed.toUpper(), config, data},
        {"beside Program Files", programFiles.path() + QStringLiteral(" (x86)/Pelmar"),
         native(programFiles.path() + QStringLiteral(" (x86)/Pelmar")),
         native(programFiles.path() + QStringLiteral(" (x86)/Pelmar"))},
        {"a copied folder", QStringLiteral("D:/Pelmar"), portable, portable},
        {"installed with a PELMAR.INI beside it", withIni, native(withIni), native(withIni)},
    };
    for (const Case& c : cases) {
        const ProgramFiles files =
            locateProgramFiles(c.programFolder, programFiles.path(), environment);
        EXPECT_EQ(files.configFolder, c.configFolder) << c.what;
        EXPECT_EQ(files.saveFolder, c.saveFolder) << c.what;
    }
}

// A file is stored through a temporary file flushed to the disk and moved over the old one:
// the old one, or nothing, until the new one is whole, and no temporary file left either way.
TEST(WindowsWholeFile, ReplacedWholeOrNotAtAllWithTheSystemsReason) {
    QTemporaryDir dir;
    const QString path = native(dir.filePath(QStringLiteral("A001.csv")));
    ASSERT_TRUE(writeWhole(path, {"old"}));
    ASSERT_TRUE(writeWhole(path, {"new", "er"}));
    EXPECT_EQ(fileBytes(path), QByteArray("newer"));

    // A folder in the file's place, which no file replaces, and a folder that is gone.
    const QString blocked = native(dir.filePath(QStringLiteral("A002.csv")));
    ASSERT_TRUE(QDir().mkdir(blocked));
    const auto refused = writeWhole(blocked, {"lost"});
    ASSERT_FALSE(refused) << "a file was reported stored in a folder's place";
    EXPECT_EQ(refused.problem().path, blocked);
    EXPECT_FALSE(refused.problem().reason.isEmpty());
    EXPECT_TRUE(QFileInfo(blocked).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"A001.csv", "A002.csv"}))
        << "a temporary file was left";

    const auto gone = writeWhole(dir.filePath(QStringLiteral("gone/A002.csv")), {"x"});
    ASSERT_FALSE(gone);
    EXPECT_FALSE(gone.problem().reason.isEmpty());
}

// The picture box is a DIB section in a memory device context of the system's gdi32, and the
// Tessio.dll beside the program draws into it: the palette's levels, clamped to 16..240.
TEST(WindowsPicture, TessioDrawsIntoTheBoxsDeviceContext) {
    imaging::TessioLibrary tessio(QStringLiteral(TESSIO_FOLDER));
    ASSERT_TRUE(tessio.DDSopen_sys()) << "Tessio.dll was not loaded";
    imaging::PictureBox box;
    const std::array<std::uint8_t, 8 * 2> plane = {0,  16, 100, 200, 240, 255, 7,   128,
                                                   50, 60, 70,  80,  90,  110, 120, 130};
    HDC dc = box.clearFor(8, 2);
    ASSERT_TRUE(tessio.DDSdisplay(dc, 0, 0, 8, 2, plane.data()));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 8; ++x) {
            const int level = std::clamp<int>(plane[y * 8 + x], 16, 240);
            EXPECT_EQ(box.image().pixel(x, y) & 0xFFFFFF, qRgb(level, level, level) & 0xFFFFFF)
                << x << "," << y;
        }
    }
}

// A Tessio.dll that Windows cannot load (one of the other width, say) is named with its reason.
TEST(WindowsPicture, ATessioThatCannotBeLoadedIsNamedWithWindowsReason) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(imaging::TessioLibrary::fileName());
    QFile broken(path);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("MZ, cut short") > 0);
    broken.close();
    imaging::TessioLibrary tessio(dir.path());
    const auto opened = tessio.DDSopen_sys();
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.problem().path, path);
    EXPECT_FALSE(opened.problem().reason.isEmpty());
}

}  // namespace
}  // namespace pelmar::platform
