#pragma once

#include <QString>

#include "app/seams/FileOutcome.h"
#include "app/settings/SettingData.h"

namespace pelmar::settings {

// The two lines in which the setting data travels to and from the DM, each ended by a single CR.
// The record line is the lens name and the nine numbers in the order of the file's second line,
// each after a comma in signed-blank form, with a final comma:
//     LENS-A, 4, 3, 10, 1, 0, 1, 1, 0, 128,
// The worker line is the ten worker names, each followed by a comma. Names go as they are: a
// comma inside one shifts the later fields for the receiver.
QString FormatRecordLine(const SettingData& data);
QString FormatWorkerLine(const SettingData& data);

// Take apart a line the DM sent (without its CR). The fields are stored one by one as they are
// converted: piece 1 is the lens name, pieces 2 to 10 must each be a number (blanks around it
// allowed, a fraction rounded halves to even); later pieces are ignored. A missing piece or one
// that is not a number ends the parse with an error naming it, the fields before it already
// replaced and the rest untouched. A DM's line has no path: the problem gives only the reason.
[[nodiscard]] FileOutcome<> ParseRecordLine(const QString& line, SettingData& data);
// Pieces 1 to 10 are the worker names; later pieces are ignored. Fewer than ten is an error,
// the names before the missing one already replaced.
[[nodiscard]] FileOutcome<> ParseWorkerLine(const QString& line, SettingData& data);

}  // namespace pelmar::settings
