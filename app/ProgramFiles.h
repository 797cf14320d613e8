#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace pelmar {

// Where the program keeps PELMAR.INI and NAME.INI, and where its save folder starts out.
// A program run from anywhere but its installed location (a build folder, a portable copy) keeps
// them in its program folder, as does the installed program when it finds a PELMAR.INI there.
// Otherwise the installed program keeps them per user, following the XDG base directories: the
// two files in $XDG_CONFIG_HOME/pelmar, the save folder $XDG_DATA_HOME/pelmar; so nobody, root
// included, writes into the install prefix's bin.
struct ProgramFiles {
    QString configFolder;
    QString saveFolder;

    QString iniPath() const;
    QString nameIniPath() const;
};

ProgramFiles locateProgramFiles(const QString& programFolder, const QString& installedBinFolder,
                                const QProcessEnvironment& environment);

// The same for where this build installs its programs, in this process's environment.
ProgramFiles locateProgramFiles(const QString& programFolder);

// Tessio where this build installs it: the one Pelmar loads when none lies beside it.
QString installedTessio();

}  // namespace pelmar
