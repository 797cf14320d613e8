#include "app/text/SaveFile.h"

#include <QSaveFile>

namespace pelmar::text {

QString saveWhole(const QString& path, std::initializer_list<QByteArrayView> parts) {
    // Unbuffered, so that every failed write shows in write() itself: QSaveFile would commit a
    // file whose last buffered bytes failed to go out at its closing flush. A short write (the
    // disk filled up) is retried for the remainder, which then fails with the reason.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (QByteArrayView part : parts) {
        for (qsizetype at = 0; written && at < part.size();) {
            const qint64 count = file.write(part.data() + at, part.size() - at);
            written = count > 0;
            at += count;
        }
    }
    if (written && file.commit()) return QString();
    return file.errorString().isEmpty() ? QStringLiteral("書き込めません") : file.errorString();
}

}  // namespace pelmar::text
