#pragma once

#include <QString>

#include "app/report/ReportHeader.h"
#include "app/seams/FileOutcome.h"
#include "app/seams/Prompts.h"

namespace pelmar::report {

// NAME.INI: the report's two name lines, one per line, code page 932, CR LF. Each line is the
// whole text (commas, blanks and quotes included).

// Reads line 1 into nameLine1 and line 2 into nameLine2; a line the file lacks is empty. A file
// that cannot be read leaves both lines as they were.
FileOutcome<> LoadNameIni(const QString& path, ReportHeader& header);

// Writes the two lines, replacing the file.
[[nodiscard]] FileOutcome<> SaveNameIni(const QString& path, const ReportHeader& header);

// SaveNameIni, telling the inspector in a message box that names the file and the reason when it
// cannot be written; the program goes on either way. True when it was written.
bool SaveNameIniTelling(const QString& path, const ReportHeader& header, Prompts& prompts);

}  // namespace pelmar::report
