#include <windows.h>

#include "app/platform/FirstLine.h"
#include "app/platform/SystemError.h"

namespace pelmar::platform {

FileOutcome<QByteArrayView> readFirstLine(const QString& path, qsizetype max, QByteArray& buffer) {
    HANDLE file = CreateFileW(systemPath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FileProblem{path, lastSystemError()};
    buffer.resize(max);
    qsizetype filled = 0;
    std::optional<QString> failure;
    while (filled < max) {
        DWORD got = 0;
        if (!ReadFile(file, buffer.data() + filled, static_cast<DWORD>(max - filled), &got,
                      nullptr)) {
            failure = lastSystemError();
            break;
        }
        if (got == 0) break;
        const QByteArrayView added(buffer.constData() + filled, got);
        filled += got;
        if (added.contains('\r') || added.contains('\n')) break;
    }
    CloseHandle(file);
    if (failure) return FileProblem{path, *failure};
    return QByteArrayView(buffer.constData(), filled);
}

}  // namespace pelmar::platform
