#pragma once

#include <QString>
#include <optional>

#include "app/settings/SettingData.h"

namespace pelmar::settings {

// The setting-data file: twelve lines of code page 932 text, each ended by CR LF. Line 1 is the
// lens name; line 2 the nine numbers in signed-blank form, each followed by a comma
// (" 4, 3, 10, 1, 0, 1, 1, 0, 128,"); lines 3 to 12 the ten worker names. The file name is the
// inspector's, without an extension of its own.

// Creates or replaces the file, whole or not at all. On failure the error names the file and
// the reason; a file that was there stays as it was.
[[nodiscard]] std::optional<SettingError> WriteSettingFile(const QString& path,
                                                           const SettingData& data);

// Reads the file into data. A line ends at CR LF or at a CR alone; lines after the twelfth are
// ignored; the numbers are the leading numbers of the first nine comma-separated pieces of
// line 2. A file that cannot be read, has fewer than twelve lines or fewer than nine pieces in
// line 2 is not a setting-data file: the error names the file and what is missing, and data is
// left unchanged.
[[nodiscard]] std::optional<SettingError> ReadSettingFile(const QString& path, SettingData& data);

}  // namespace pelmar::settings
