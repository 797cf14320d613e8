#include "app/text/TextFile.h"

#include <QFile>

#include "app/platform/CodePage932.h"
#include "app/platform/WholeFile.h"

namespace pelmar::text {

FileOutcome<> writeLines(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += platform::toCp932(line);
        bytes += "\r\n";
    }
    return platform::writeWhole(path, {bytes});
}

QStringList splitLines(const QByteArray& bytes, LineEnds ends) {
    const bool lfEnds = ends == LineEnds::crLfCrOrLf;
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || (lfEnds && bytes[i] == '\n')) {
            lines.append(platform::fromCp932(bytes.mid(start, i - start)));
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < bytes.size()) lines.append(platform::fromCp932(bytes.mid(start)));
    return lines;
}

FileOutcome<QStringList> readLines(const QString& path, LineEnds ends) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return FileProblem{path, file.errorString()};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return FileProblem{path, file.errorString()};
    return splitLines(bytes, ends);
}

}  // namespace pelmar::text
