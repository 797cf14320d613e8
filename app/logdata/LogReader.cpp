#include "app/logdata/LogReader.h"

#include <QByteArray>
#include <QFile>
#include <optional>

#include "app/text/Cp932.h"

namespace pelmar::logdata {
namespace {

// The bytes of a file up to its first line end, or up to kMaxRecordBytes: never more of a large
// file than that. Nothing when the file cannot be opened or read. The buffer is the caller's, to
// be reused from file to file.
std::optional<QByteArrayView> readFirstLine(const QString& path, QByteArray& buffer) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return std::nullopt;
    buffer.resize(kMaxRecordBytes);
    qsizetype filled = 0;
    while (filled < kMaxRecordBytes) {
        const qint64 got = file.read(buffer.data() + filled, kMaxRecordBytes - filled);
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        const QByteArrayView added(buffer.constData() + filled, got);
        filled += got;
        if (added.contains('\r') || added.contains('\n')) break;
    }
    return QByteArrayView(buffer.constData(), filled);
}

}  // namespace

QString recordFromBytes(QByteArrayView start) {
    qsizetype end = 0;
    while (end < start.size() && start[end] != '\r' && start[end] != '\n') ++end;
    return text::fromCp932(start.first(end).toByteArray());
}

LogReadResult ReadLogData(const QString& folder, ResultHistory& history) {
    const FileSearch search = GetFilesMostDeep(folder, QStringLiteral("*.csv"));
    LogReadResult result;
    result.skippedFolders = search.skippedFolders;
    QByteArray buffer;
    for (const QString& path : search.files) {
        if (path.endsWith(QStringLiteral("_XY.csv"), Qt::CaseInsensitive)) continue;
        const std::optional<QByteArrayView> bytes = readFirstLine(path, buffer);
        const QString record = bytes ? recordFromBytes(*bytes) : QString();
        if (record.isEmpty()) {
            ++result.filesSkipped;
            continue;
        }
        if (result.filesRead == 0) history.clear();
        // The images of a measurement are stored beside its file under the same name.
        const QString stem = path.chopped(3);
        history.storeRecord(record, stem + QStringLiteral("jpg"), stem + QStringLiteral("bmp"));
        history.commitRecord();
        ++result.filesRead;
    }
    return result;
}

}  // namespace pelmar::logdata
