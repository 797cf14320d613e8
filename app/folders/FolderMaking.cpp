#include "app/folders/FolderMaking.h"

#include <QDir>
#include <QFileInfo>

#include "app/link/Folders.h"

namespace pelmar::folders {
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
