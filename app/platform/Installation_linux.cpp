#include <QDir>
#include <QFileInfo>

#include "app/platform/Installation.h"

namespace pelmar::platform {
namespace {

// An XDG base folder: the variable when it holds an absolute path (XDG has relative ones
// ignored), otherwise its default under the home folder.
QString xdgFolder(const QProcessEnvironment& environment, const QString& variable,
                  const QString& underHome) {
    const QString value = environment.value(variable);
    if (QDir::isAbsolutePath(value)) return value;
    QString home = environment.value(QStringLiteral("HOME"));
    if (!QDir::isAbsolutePath(home)) home = QDir::homePath();
    return QDir(home).filePath(underHome);
}

}  // namespace

QString installedLocation(const QProcessEnvironment&) {
    return QStringLiteral(PELMAR_INSTALLED_BINDIR);
}

bool isInstalledIn(const QString& programFolder, const QString& location) {
    const QString canonical = QFileInfo(programFolder).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(location).canonicalFilePath();
}

UserFolders userFolders(const QProcessEnvironment& environment) {
    const QString pelmar = QStringLiteral("pelmar");
    return {
        QDir(xdgFolder(environment, QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral(".config")))
            .filePath(pelmar),
        QDir(
            xdgFolder(environment, QStringLiteral("XDG_DATA_HOME"), QStringLiteral(".local/share")))
            .filePath(pelmar)};
}

QString installedTessio() {
    return QStringLiteral(PELMAR_INSTALLED_TESSIO);
}

}  // namespace pelmar::platform
