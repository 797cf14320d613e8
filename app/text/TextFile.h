#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

namespace pelmar::text {

// A text file that could not be read or written; what() names the file and the reason.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // "ファイルに書き込めません: PATH（REASON）".
    FileError(const QString& path, const QString& reason);
};

// Where a line of a text file ends when it is read.
enum class LineEnds {
    crLfCrOrLf,  // CR LF, CR alone or LF alone
    crLfOrCr,    // CR LF or CR alone; an LF alone stays in the line
};

// Writes the lines in code page 932, each ended by CR LF, replacing the file. The file is written
// whole or not at all: the new text goes to a temporary file beside it that takes the old file's
// place only once complete, so a full disk never leaves half a file. Throws FileError.
void writeLines(const QString& path, const QStringList& lines);

// Code page 932 text as lines; a last line without an end counts.
QStringList splitLines(const QByteArray& bytes, LineEnds ends = LineEnds::crLfCrOrLf);

// Reads a code page 932 text file as lines; a last line without an end counts. Nothing when the
// file cannot be opened or read.
std::optional<QStringList> readLines(const QString& path, LineEnds ends = LineEnds::crLfCrOrLf);

}  // namespace pelmar::text
