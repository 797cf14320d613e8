#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace pelmar {

// Where the program keeps PELMAR.INI and NAME.INI, and where its save folder starts out.
// A program run from anywhere but its installed location (a build folder, a portable copy) keeps
// them in its program folder, as does the installed program when it finds a PELMAR.INI there.
// Otherwise the installed program keeps them per user (the system's per-user folders), so that
// nobody writes where programs are installed.
struct ProgramFiles {
    QString configFolder;
    QString saveFolder;

    QString iniPath() const;
    QString nameIniPath() const;
};

ProgramFiles locateProgramFiles(const QString& programFolder, const QString& installedLocation,
                                const QProcessEnvironment& environment);

// The same for where this build installs its programs, in this process's environment.
ProgramFiles locateProgramFiles(const QString& programFolder);

}  // namespace pelmar
