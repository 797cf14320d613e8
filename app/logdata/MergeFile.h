#pragma once

#include <QString>

#include "app/records/ResultHistory.h"
#include "app/seams/FileOutcome.h"

namespace pelmar::logdata {

// Writes the listed entries of the history (checked, slots 0 to historyCount - 1 in order) into
// one file, one code page 932 line ended by CR LF per entry: its fields 0 to 10, each followed by
// a comma. No entry gives an empty file. The path is used exactly as given; a file of that name is
// replaced.
[[nodiscard]] FileOutcome<> WriteMergeFile(const QString& path, const ResultHistory& history);

}  // namespace pelmar::logdata
