#pragma once

#include <QString>

#include "app/records/AppSettings.h"
#include "app/seams/FileOutcome.h"
#include "app/seams/Prompts.h"

namespace pelmar {

// PELMAR.INI: one item a line, "number,value,(comment)", in code page 932 with CR LF.
enum IniItem : std::int32_t {
    kSaveFolderItem = 1,
    kDmAddressItem = 10,
    kDmPortItem = 11,
    kSaveMethodItem = 12,
    kJpegQualityItem = 13,
};

// What reading PELMAR.INI found besides the values: whether the save-folder item held a folder.
enum class IniRead { Complete, SaveFolderEmpty };

// Reads PELMAR.INI into settings. A problem when the file cannot be read or a number item is not
// a number (items read before stay).
FileOutcome<IniRead> LoadIniFile(const QString& path, AppSettings& settings);

// Writes the five items, replacing the file.
[[nodiscard]] FileOutcome<> SaveIniFile(const QString& path, const AppSettings& settings);

// SaveIniFile, telling the inspector in a message box when the file cannot be written (a
// read-only program folder, say); the program goes on either way. True when it was written.
bool SaveIniFileTelling(const QString& path, const AppSettings& settings, Prompts& prompts);

}  // namespace pelmar
