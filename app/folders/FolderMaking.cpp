#include "app/folders/FolderMaking.h"

#include <QDir>
#include <QFile>

namespace pelmar::folders {

FileOutcome<> MakeFolderPath(QString path, FolderOps& ops) {
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
        if (ops.exists(folder)) continue;
        if (const auto made = ops.create(folder); !made) {
            return FileProblem{folder, made.problem().reason};
        }
    }
    return {};
}

QString spelledWith(const QString& path, QChar separator) {
    if (separator != u'\\') return path;
    QString spelled = path;
    return spelled.replace(u'/', separator);
}

QString notMade(const FileProblem& problem) {
    const QString folder = QStringLiteral("フォルダを作成できません: %1").arg(problem.path);
    return problem.reason.isEmpty() ? folder
                                    : QStringLiteral("%1（%2）").arg(folder, problem.reason);
}

FileOutcome<> EnsureFolder(const QString& folder, FolderOps& ops) {
    if (folder.isEmpty()) return FileProblem{folder, QString()};
    if (ops.exists(folder)) return {};
    if (const auto parent = EnsureFolder(ops.parent(folder), ops); !parent) return parent;
    const auto created = ops.create(folder);
    if (!created) return created.problem();
    // The folder made must be the one asked for, whichever separators either is written with.
    if (QDir::toNativeSeparators(*created).compare(QDir::toNativeSeparators(folder),
                                                   Qt::CaseInsensitive) == 0) {
        return {};
    }
    return FileProblem{folder, QString()};
}

bool FileExists(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

bool makeFolderTelling(const QString& folder, FolderOps& ops, Prompts& prompts) {
    if (folder.trimmed().isEmpty()) {
        prompts.message(QString(), QStringLiteral("フォルダ名を入力してください。"),
                        Prompts::Icon::None, Prompts::Ok);
        return false;
    }
    const auto made = MakeFolderPath(folder, ops);
    if (made && ops.exists(folder)) return true;
    // A network path below a missing server or share is left alone without a problem.
    const QString why = made ? QStringLiteral("その場所がありません") : made.problem().reason;
    // The message names the folder asked for and the reason, not the level that failed.
    prompts.message(QString(),
                    QStringLiteral("フォルダ %1 を作成できません（%2）。")
                        .arg(QDir::toNativeSeparators(folder), why),
                    Prompts::Icon::Warning, Prompts::Ok);
    return false;
}

}  // namespace pelmar::folders
