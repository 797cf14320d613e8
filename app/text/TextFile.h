#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "app/seams/FileOutcome.h"

namespace pelmar::text {

// Where a line of a text file ends when it is read.
enum class LineEnds {
    crLfCrOrLf,  // CR LF, CR alone or LF alone
    crLfOrCr,    // CR LF or CR alone; an LF alone stays in the line
};

// Writes the lines in code page 932, each ended by CR LF, replacing the file. The file is written
// whole or not at all: the new text goes to a temporary file beside it that takes the old file's
// place only once complete, so a full disk never leaves half a file.
[[nodiscard]] FileOutcome<> writeLines(const QString& path, const QStringList& lines);

// Code page 932 text as lines; a last line without an end counts.
QStringList splitLines(const QByteArray& bytes, LineEnds ends = LineEnds::crLfCrOrLf);

// Reads a code page 932 text file as lines; a last line without an end counts.
FileOutcome<QStringList> readLines(const QString& path, LineEnds ends = LineEnds::crLfCrOrLf);

}  // namespace pelmar::text
