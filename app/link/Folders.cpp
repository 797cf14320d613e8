#include "app/link/Folders.h"

#include <QDir>
#include <QFile>

namespace pelmar {

text::FileOutcome<> MakeFolderPath(QString path, FolderOps& ops) {
    const QChar sep = ops.separator();
    path = spelledWith(path, sep);
    if (!path.endsWith(sep)) path.append(sep);

    qsizetype scan = 0;
    const QString twoSeps = QString(2, sep);
    if (path.startsWith(twoSeps)) {
        while (path.size() > 2 && path[2] == sep) path.remove(2, 1);
        const qsizetype serverEnd = path.indexOf(sep, 2);
        if (serverEnd < 0) return {};
        const qsizetype shareEnd = path.indexOf(sep, serverEnd + 1);
        if (shareEnd < 0) return {};
        if (!ops.exists(path.left(shareEnd + 1))) return {};
        scan = shareEnd;
    }

    for (qsizetype end = path.indexOf(sep, scan); end >= 0; end = path.indexOf(sep, end + 1)) {
        const QString folder = path.left(end + 1);
        if (!ops.exists(folder) && !ops.create(folder)) return text::FileProblem{folder, QString()};
    }
    return {};
}

QString spelledWith(const QString& path, QChar separator) {
    if (separator != u'\\') return path;
    QString spelled = path;
    return spelled.replace(u'/', separator);
}

QString notMade(const text::FileProblem& problem) {
    return QStringLiteral("フォルダを作成できません: %1").arg(problem.path);
}

text::FileOutcome<> EnsureFolder(const QString& folder, FolderOps& ops) {
    if (folder.isEmpty()) return text::FileProblem{folder, QString()};
    if (ops.exists(folder)) return {};
    if (const auto parent = EnsureFolder(ops.parent(folder), ops); !parent) return parent;
    const auto created = ops.create(folder);
    // The folder made must be the one asked for, whichever separators either is written with.
    if (created && QDir::toNativeSeparators(*created).compare(QDir::toNativeSeparators(folder),
                                                              Qt::CaseInsensitive) == 0) {
        return {};
    }
    return text::FileProblem{folder, QString()};
}

bool FileExists(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

}  // namespace pelmar
