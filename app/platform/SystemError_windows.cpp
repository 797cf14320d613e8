#include <windows.h>

#include <QDir>

#include "app/platform/SystemError.h"

namespace pelmar::platform {

QString lastSystemError() {
    const DWORD code = GetLastError();
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString reason = length ? QString::fromWCharArray(text, static_cast<int>(length)).trimmed()
                            : QStringLiteral("エラー %1").arg(code);
    LocalFree(text);
    return reason;
}

std::wstring systemPath(const QString& path) {
    QString native = QDir::toNativeSeparators(QDir::cleanPath(path));
    if (native.startsWith(QStringLiteral("\\\\?\\"))) return native.toStdWString();
    if (native.startsWith(QStringLiteral("\\\\"))) {
        native = QStringLiteral("\\\\?\\UNC\\") + native.mid(2);
    } else if (QDir::isAbsolutePath(path) && native.size() > 2 && native[1] == u':') {
        native = QStringLiteral("\\\\?\\") + native;
    }
    return native.toStdWString();
}

}  // namespace pelmar::platform
