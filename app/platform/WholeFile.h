#pragma once

#include <QByteArrayView>
#include <QString>
#include <initializer_list>

#include "app/seams/FileOutcome.h"

namespace pelmar::platform {

// Writes the parts one after the other as the file's whole content, replacing the file only once
// the new content is complete: a full disk or a failed write leaves the old file (or none) under
// the name, never half a file, and no temporary file. The content and the name are on disk
// before it returns. The problem gives the path and the system's reason.
[[nodiscard]] FileOutcome<> writeWhole(const QString& path,
                                       std::initializer_list<QByteArrayView> parts);

}  // namespace pelmar::platform
