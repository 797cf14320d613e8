#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "app/platform/FirstLine.h"

namespace pelmar::platform {

FileOutcome<QByteArrayView> readFirstLine(const QString& path, qsizetype max, QByteArray& buffer) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return FileProblem{path, QString::fromLocal8Bit(std::strerror(errno))};
    qsizetype filled = 0;
    buffer.resize(max);
    int failure = 0;
    while (filled < max) {
        const ssize_t got =
            ::read(fd, buffer.data() + filled, static_cast<std::size_t>(max - filled));
        if (got < 0 && errno == EINTR) continue;
        failure = got < 0 ? errno : 0;
        if (got <= 0) break;
        const QByteArrayView added(buffer.constData() + filled, got);
        filled += got;
        if (added.contains('\r') || added.contains('\n')) break;
    }
    ::close(fd);
    if (failure != 0) return FileProblem{path, QString::fromLocal8Bit(std::strerror(failure))};
    return QByteArrayView(buffer.constData(), filled);
}

}  // namespace pelmar::platform
