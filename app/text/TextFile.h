#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

namespace pelmar::text {

// A text file that could not be read or written; what() names the file and the reason.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the lines in code page 932, each ended by CR LF, replacing the file. Throws FileError.
void writeLines(const QString& path, const QStringList& lines);

// Reads a code page 932 text file as lines; a line ends at CR LF, LF or CR. Nothing when the
// file cannot be opened or read.
std::optional<QStringList> readLines(const QString& path);

}  // namespace pelmar::text
