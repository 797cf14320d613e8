#include "app/platform/WholeFile.h"

#include "app/platform/SystemError.h"

#include <windows.h>

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

namespace pelmar::platform {
namespace {

std::wstring native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

}  // namespace

std::optional<QString> writeWhole(const QString& path,
                                  std::initializer_list<QByteArrayView> parts) {
    // A temporary file beside the target, on the same volume, so that the move below is a
    // rename; it is flushed to the disk before it takes the name, and the move itself is
    // written through, so the name is on disk too when this returns.
    const QString temporary = QStringLiteral("%1.%2.tmp")
                                  .arg(path)
                                  .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
    const std::wstring from = native(temporary);
    HANDLE file = CreateFileW(from.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastSystemError();
    bool written = true;
    for (QByteArrayView part : parts) {
        for (qsizetype at = 0; written && at < part.size();) {
            const DWORD chunk = static_cast<DWORD>(std::min<qsizetype>(part.size() - at, 1 << 30));
            DWORD count = 0;
            written = WriteFile(file, part.data() + at, chunk, &count, nullptr) && count > 0;
            at += count;
        }
    }
    written = written && FlushFileBuffers(file);
    std::optional<QString> failure;
    if (!written) failure = lastSystemError();
    CloseHandle(file);
    if (!failure && !MoveFileExW(from.c_str(), native(path).c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        failure = lastSystemError();
    }
    if (failure) DeleteFileW(from.c_str());
    return failure;
}

}  // namespace pelmar::platform
