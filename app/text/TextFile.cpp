#include "app/text/TextFile.h"

#include <QFile>
#include <QSaveFile>

#include "app/text/Cp932.h"

namespace pelmar::text {

void writeLines(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += toCp932(line);
        bytes += "\r\n";
    }
    // Unbuffered, so that every failed write shows in write() itself: QSaveFile would commit a
    // file whose last buffered bytes failed to go out at its closing flush. A short write (the
    // disk filled up) is retried for the remainder, which then fails with the reason.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qsizetype at = 0; written && at < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + at, bytes.size() - at);
        written = count > 0;
        at += count;
    }
    if (!written || !file.commit()) {
        throw FileError(QStringLiteral("%1: %2").arg(path, file.errorString()).toStdString());
    }
}

QStringList splitLines(const QByteArray& bytes, LineEnds ends) {
    const bool lfEnds = ends == LineEnds::crLfCrOrLf;
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || (lfEnds && bytes[i] == '\n')) {
            lines.append(fromCp932(bytes.mid(start, i - start)));
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < bytes.size()) lines.append(fromCp932(bytes.mid(start)));
    return lines;
}

std::optional<QStringList> readLines(const QString& path, LineEnds ends) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return splitLines(bytes, ends);
}

}  // namespace pelmar::text
