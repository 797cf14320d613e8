#include "app/folders/FolderMaking.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pelmar::folders {

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

namespace {

// Why the folder is not there: the deepest part of its path that exists tells.
QString reason(const QString& folder) {
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

bool makeFolderTelling(const QString& folder, FolderOps& ops, Prompts& prompts) {
    if (folder.trimmed().isEmpty()) {
        prompts.message(QString(), QStringLiteral("フォルダ名を入力してください。"),
                        Prompts::Icon::None, Prompts::Ok);
        return false;
    }
    // The message below names the folder asked for and the reason, not the level that failed.
    if (MakeFolderPath(folder, ops) && ops.exists(folder)) return true;
    prompts.message(QString(),
                    QStringLiteral("フォルダ %1 を作成できません（%2）。")
                        .arg(QDir::toNativeSeparators(folder), reason(folder)),
                    Prompts::Icon::Warning, Prompts::Ok);
    return false;
}

}  // namespace pelmar::folders
