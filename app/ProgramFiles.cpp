#include "app/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>

namespace pelmar {

namespace {

const QString kIniName = QStringLiteral("PELMAR.INI");

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

bool sameFolder(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

}  // namespace

QString ProgramFiles::iniPath() const {
    return QDir(configFolder).filePath(kIniName);
}

QString ProgramFiles::nameIniPath() const {
    return QDir(configFolder).filePath(QStringLiteral("NAME.INI"));
}

ProgramFiles locateProgramFiles(const QString& programFolder, const QString& installedBinFolder,
                                const QProcessEnvironment& environment) {
    if (!sameFolder(programFolder, installedBinFolder) ||
        QFileInfo::exists(QDir(programFolder).filePath(kIniName))) {
        return {programFolder, programFolder};
    }
    const QString pelmar = QStringLiteral("pelmar");
    return {
        QDir(xdgFolder(environment, QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral(".config")))
            .filePath(pelmar),
        QDir(
            xdgFolder(environment, QStringLiteral("XDG_DATA_HOME"), QStringLiteral(".local/share")))
            .filePath(pelmar)};
}

ProgramFiles locateProgramFiles(const QString& programFolder) {
    return locateProgramFiles(programFolder, QStringLiteral(PELMAR_INSTALLED_BINDIR),
                              QProcessEnvironment::systemEnvironment());
}

QString installedTessio() {
    return QStringLiteral(PELMAR_INSTALLED_TESSIO);
}

}  // namespace pelmar
