#include "app/logdata/LogReader.h"

#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <cerrno>
#include <cstring>

#include "app/text/Cp932.h"
#include "app/text/FileOutcome.h"

namespace pelmar::logdata {
namespace {

// The bytes of a file up to its first line end, or up to kMaxRecordBytes: never more of a large
// file than that. The buffer is the caller's, to be reused from file to file. Plain open(2) and
// read(2): a file costs three system calls, where QFile would add two status queries and a read
// to the end of the file.
text::FileOutcome<QByteArrayView> readFirstLine(const QString& path, QByteArray& buffer) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return text::FileProblem{path, QString::fromLocal8Bit(std::strerror(errno))};
    buffer.resize(kMaxRecordBytes);
    qsizetype filled = 0;
    int failure = 0;
    while (filled < kMaxRecordBytes) {
        const ssize_t got =
            ::read(fd, buffer.data() + filled, static_cast<std::size_t>(kMaxRecordBytes - filled));
        if (got < 0 && errno == EINTR) continue;
        failure = got < 0 ? errno : 0;
        if (got <= 0) break;
        const QByteArrayView added(buffer.constData() + filled, got);
        filled += got;
        if (added.contains('\r') || added.contains('\n')) break;
    }
    ::close(fd);
    if (failure != 0)
        return text::FileProblem{path, QString::fromLocal8Bit(std::strerror(failure))};
    return QByteArrayView(buffer.constData(), filled);
}

}  // namespace

QString recordFromBytes(QByteArrayView start) {
    qsizetype end = 0;
    while (end < start.size() && start[end] != '\r' && start[end] != '\n') ++end;
    return text::fromCp932(start.first(end).toByteArray());
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
        const auto bytes = readFirstLine(path, buffer);
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
