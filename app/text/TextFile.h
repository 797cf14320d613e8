#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <stdexcept>

#include "app/seams/Prompts.h"

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

// Runs a write that throws FileError; when it does, a message box tells the inspector
// which file (whatFile: "設定ファイル", ...) could not be written, with its path and the reason.
// The program goes on either way.
inline void writeTelling(Prompts& prompts, const QString& whatFile,
                         const std::function<void()>& write) {
    try {
        write();
    } catch (const FileError& error) {
        prompts.message(kProgramTitle,
                        QStringLiteral("%1を書き込めません。\n%2")
                            .arg(whatFile, QString::fromUtf8(error.what())),
                        Prompts::Icon::Warning, Prompts::Ok);
    }
}

}  // namespace pelmar::text
