#include <windows.h>

#include "app/platform/FirstLine.h"
#include "app/platform/SystemError.h"

namespace pelmar::platform {

std::optional<QString> readFirstLine(const QString& path, qsizetype max, QByteArray& buffer,
                                     qsizetype& filled) {
    filled = 0;
    HANDLE file = CreateFileW(systemPath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastSystemError();
    buffer.resize(max);
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
    return failure;
}

}  // namespace pelmar::platform
