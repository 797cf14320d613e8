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

std::optional<QString> LocalFolders::create(const QString& folder) {
    if (!QDir().mkdir(folder)) return std::nullopt;
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
