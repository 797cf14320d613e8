#pragma once

#include <QString>
#include <QStringList>

#include "app/seams/FileOutcome.h"
#include "app/settings/SettingData.h"

namespace pelmar::settings {

// The setting-data file: twelve lines of code page 932 text, each ended by CR LF. Line 1 is the
// lens name; line 2 the nine numbers in signed-blank form, each followed by a comma
// (" 4, 3, 10, 1, 0, 1, 1, 0, 128,"); lines 3 to 12 the ten worker names. The file name is the
// inspector's, without an extension of its own.

// The file's twelve lines for the record.
QStringList settingFileLines(const SettingData& data);

// The record from the lines of a file: line 1 the lens name, the leading numbers of the first
// nine comma-separated pieces of line 2, lines 3 to 12 the worker names; later lines ignored.
// Fewer than twelve lines or nine pieces is a problem naming what is missing (the lines have no
// path), data unchanged.
[[nodiscard]] FileOutcome<> settingDataFromLines(const QStringList& lines, SettingData& data);

// Creates or replaces the file, whole or not at all; a file that was there stays as it was when
// the new one cannot be written.
[[nodiscard]] FileOutcome<> WriteSettingFile(const QString& path, const SettingData& data);

// Reads the file into data, its lines ended by CR LF or by a CR alone. A file that cannot be
// read, or whose lines do not make a record, is not a setting-data file: the problem's reason
// says so or names what is missing, and data is left unchanged.
[[nodiscard]] FileOutcome<> ReadSettingFile(const QString& path, SettingData& data);

}  // namespace pelmar::settings
