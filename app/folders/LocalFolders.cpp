#include "app/folders/LocalFolders.h"

#include <QDir>
#include <QFileInfo>

namespace pelmar::folders {

QChar LocalFolders::separator() const {
    return QDir::separator();
}

bool LocalFolders::exists(const QString& folder) {
    return QFileInfo(folder).isDir();
}

namespace {

// Why a folder could not be made: the deepest part of its path that exists tells.
QString whyNotMade(const QString& folder) {
    QString path = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
    for (;;) {
        const QFileInfo here(path);
        if (here.exists() && !here.isDir()) {
            return QStringLiteral("同じ名前のファイル %1 があります")
                .arg(QDir::toNativeSeparators(here.filePath()));
        }
        if (here.isDir()) {
            return here.isWritable() ? QStringLiteral("作成できませんでした")
                                     : QStringLiteral("%1 に書き込む権限がありません")
                                           .arg(QDir::toNativeSeparators(here.filePath()));
        }
        const QString up = here.path();
        if (up == path) return QStringLiteral("その場所がありません");
        path = up;
    }
}

}  // namespace

FileOutcome<QString> LocalFolders::create(const QString& folder) {
    if (!QDir().mkdir(folder)) return FileProblem{folder, whyNotMade(folder)};
    return QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath());
}

QString LocalFolders::parent(const QString& folder) {
    // In the system's spelling, whichever separators the folder was given with.
    QString path = QDir::toNativeSeparators(folder);
    while (path.size() > 1 && path.endsWith(separator())) path.chop(1);
    const qsizetype cut = path.lastIndexOf(separator());
    if (cut < 0) return QString();
    if (cut == 0) return path.size() > 1 ? QString(separator()) : QString();
    return path.left(cut);
}

}  // namespace pelmar::folders
