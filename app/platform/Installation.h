#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace pelmar::platform {

// Where the system's installer puts Pelmar: this build's install prefix's bin, or on Windows
// the Program Files folder.
QString installedLocation(const QProcessEnvironment& environment);

// Whether a program in programFolder is installed there: the very folder, or on Windows any
// folder below Program Files.
bool isInstalledIn(const QString& programFolder, const QString& location);

// Where an installed program keeps its files per user, since a user cannot write where it is
// installed: the folder of PELMAR.INI and NAME.INI, and the save folder it starts with. On
// Windows %APPDATA%\Pelmar and %LOCALAPPDATA%\Pelmar; elsewhere $XDG_CONFIG_HOME/pelmar and
// $XDG_DATA_HOME/pelmar.
struct UserFolders {
    QString config;
    QString data;
};
UserFolders userFolders(const QProcessEnvironment& environment);

// Tessio where the system's package installs it, for a Pelmar that finds none beside it; empty
// where the installer puts Tessio beside Pelmar (Windows).
QString installedTessio();

}  // namespace pelmar::platform
