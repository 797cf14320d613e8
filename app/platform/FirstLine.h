#pragma once

#include <QByteArray>
#include <QString>

#include "app/seams/FileOutcome.h"

namespace pelmar::platform {

// The bytes of a file up to its first line end (CR or LF), or up to max bytes: never more of a
// large file than that, with as few calls of the system as it takes (open, read, close). The
// bytes are left at the start of buffer, which the caller reuses from file to file; the view
// answered is of them. The problem gives the path and the system's reason.
FileOutcome<QByteArrayView> readFirstLine(const QString& path, qsizetype max, QByteArray& buffer);

}  // namespace pelmar::platform
