#include "app/logdata/LogReader.h"

#include <QByteArray>

#include "app/platform/CodePage932.h"
#include "app/platform/FirstLine.h"

namespace pelmar::logdata {

QString recordFromBytes(QByteArrayView start) {
    qsizetype end = 0;
    while (end < start.size() && start[end] != '\r' && start[end] != '\n') ++end;
    return platform::fromCp932(start.first(end).toByteArray());
}

LogReadResult ReadLogData(const QString& folder, ResultHistory& history,
                          const std::function<void()>& redrawTable) {
    const FileSearch search = GetFilesMostDeep(folder, QStringLiteral("*.csv"));
    LogReadResult result;
    result.skippedFolders = search.skippedFolders;
    QByteArray buffer;
    // Each record's slot is committed when the next one comes, so that the last one is still the
    // slot where the next result goes when the table is redrawn.
    for (const QString& path : search.files) {
        if (path.endsWith(QStringLiteral("_XY.csv"), Qt::CaseInsensitive)) continue;
        const auto bytes = platform::readFirstLine(path, kMaxRecordBytes, buffer);
        const QString record = bytes ? recordFromBytes(*bytes) : QString();
        if (record.isEmpty()) {
            ++result.filesSkipped;
            continue;
        }
        if (result.filesRead == 0) {
            history.clear();
        } else {
            history.commitRecord();
        }
        // The images of a measurement are stored beside its file under the same name.
        const QString stem = path.chopped(3);
        history.storeRecord(record, stem + QStringLiteral("jpg"), stem + QStringLiteral("bmp"));
        ++result.filesRead;
    }
    if (result.filesRead > 0) {
        if (redrawTable) redrawTable();
        history.commitRecord();
    }
    return result;
}

}  // namespace pelmar::logdata
