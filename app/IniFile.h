#pragma once

#include <QString>

#include "app/AppSettings.h"
#include "app/seams/Prompts.h"

namespace pelmar {

// Reads PELMAR.INI into settings: 0 read completely, 1 the save-folder item was empty, -1 the
// file cannot be opened or a number item is not a number (items read before stay).
int LoadIniFile(const QString& path, AppSettings& settings);

// Writes the five items, replacing the file. Throws text::FileError.
void SaveIniFile(const QString& path, const AppSettings& settings);

// SaveIniFile, telling the inspector in a message box when the file cannot be written (a
// read-only program folder, say); the program goes on either way.
void SaveIniFileTelling(const QString& path, const AppSettings& settings, Prompts& prompts);

}  // namespace pelmar
