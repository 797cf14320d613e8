#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace pelmar::platform {

// The bytes of a file up to its first line end (CR or LF), or up to max bytes: never more of a
// large file than that, with as few calls of the system as it takes (open, read, close). The
// bytes are left at the start of buffer, which the caller reuses from file to file, and their
// count in filled. Nothing when read, else the system's reason.
std::optional<QString> readFirstLine(const QString& path, qsizetype max, QByteArray& buffer,
                                     qsizetype& filled);

}  // namespace pelmar::platform
