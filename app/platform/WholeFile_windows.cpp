#include <windows.h>

#include <QRandomGenerator>

#include "app/platform/SystemError.h"
#include "app/platform/WholeFile.h"

namespace pelmar::platform {

FileOutcome<> writeWhole(const QString& path, std::initializer_list<QByteArrayView> parts) {
    // A temporary file beside the target, on the same volume, so that the move below is a
    // rename; it is flushed to the disk before it takes the name, and the move itself is
    // written through, so the name is on disk too when this returns.
    // Named as Qt names its own: seven characters more than the file, so that a name that fits
    // the file system leaves room for them.
    const QString temporary =
        QStringLiteral("%1.%2").arg(path).arg(QRandomGenerator::global()->bounded(0x1000000), 6, 16,
                                              QChar(u'0'));
    const std::wstring from = systemPath(temporary);
    HANDLE file = CreateFileW(from.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FileProblem{path, lastSystemError()};
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
    if (!failure && !MoveFileExW(from.c_str(), systemPath(path).c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        failure = lastSystemError();
    }
    if (!failure) return {};
    DeleteFileW(from.c_str());
    return FileProblem{path, *failure};
}

}  // namespace pelmar::platform
