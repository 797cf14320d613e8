#include "app/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>

#include "app/platform/Installation.h"

namespace pelmar {

namespace {

const QString kIniName = QStringLiteral("PELMAR.INI");

}  // namespace

QString ProgramFiles::iniPath() const {
    return QDir::toNativeSeparators(QDir(configFolder).filePath(kIniName));
}

QString ProgramFiles::nameIniPath() const {
    return QDir::toNativeSeparators(QDir(configFolder).filePath(QStringLiteral("NAME.INI")));
}

ProgramFiles locateProgramFiles(const QString& programFolder, const QString& installedLocation,
                                const QProcessEnvironment& environment) {
    if (!platform::isInstalledIn(programFolder, installedLocation) ||
        QFileInfo::exists(QDir(programFolder).filePath(kIniName))) {
        const QString folder = QDir::toNativeSeparators(programFolder);
        return {folder, folder};
    }
    const platform::UserFolders user = platform::userFolders(environment);
    return {user.config, user.data};
}

ProgramFiles locateProgramFiles(const QString& programFolder) {
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    return locateProgramFiles(programFolder, platform::installedLocation(environment),
                              environment);
}

}  // namespace pelmar
