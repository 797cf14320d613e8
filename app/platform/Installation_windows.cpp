#include <QDir>
#include <QFileInfo>

#include "app/platform/Installation.h"

namespace pelmar::platform {
namespace {

// A folder the system names by a variable, in the system's spelling, with Pelmar's folder below
// it; the user's profile stands in for a variable that is missing.
QString knownFolder(const QProcessEnvironment& environment, const QString& variable,
                    const QString& underProfile) {
    QString folder = environment.value(variable);
    if (!QDir::isAbsolutePath(folder)) {
        folder = QDir(environment.value(QStringLiteral("USERPROFILE"), QDir::homePath()))
                     .filePath(underProfile);
    }
    return QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("Pelmar")));
}

QString comparable(const QString& folder) {
    QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty()) canonical = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    return canonical.toLower();
}

}  // namespace

QString installedLocation(const QProcessEnvironment& environment) {
    // The 64-bit Program Files, also for a 64-bit program asked from a 32-bit one.
    const QString native = environment.value(QStringLiteral("ProgramW6432"));
    return native.isEmpty() ? environment.value(QStringLiteral("ProgramFiles")) : native;
}

bool isInstalledIn(const QString& programFolder, const QString& location) {
    if (location.isEmpty()) return false;
    const QString program = comparable(programFolder);
    const QString below = comparable(location);
    return program == below || program.startsWith(below + u'/');
}

UserFolders userFolders(const QProcessEnvironment& environment) {
    return {
        knownFolder(environment, QStringLiteral("APPDATA"), QStringLiteral("AppData/Roaming")),
        knownFolder(environment, QStringLiteral("LOCALAPPDATA"), QStringLiteral("AppData/Local"))};
}

QString installedTessio() {
    return {};
}

}  // namespace pelmar::platform
