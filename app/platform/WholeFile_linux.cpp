#include "app/platform/WholeFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSaveFile>

namespace pelmar::platform {
namespace {

// The file's contents are synced before it takes its name; the folder is synced after, so that
// the name, too, is on disk before the caller says the file is stored. As for the file itself,
// a file system that cannot sync a folder is taken as it is.
void syncFolderOf(const QString& path) {
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY);
    if (folder < 0) return;
    ::fsync(folder);
    ::close(folder);
}

}  // namespace

FileOutcome<> writeWhole(const QString& path, std::initializer_list<QByteArrayView> parts) {
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
    if (written && file.commit()) {
        syncFolderOf(path);
        return {};
    }
    return FileProblem{
        path, file.errorString().isEmpty() ? QStringLiteral("書き込めません") : file.errorString()};
}

}  // namespace pelmar::platform
