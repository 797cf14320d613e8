#include "app/link/MakeFolderPath.h"

namespace pelmar {

void MakeFolderPath(QString path, FolderOps& ops) {
    const QChar sep = ops.separator();
    if (!path.endsWith(sep)) path.append(sep);

    qsizetype scan = 0;
    const QString twoSeps = QString(2, sep);
    if (path.startsWith(twoSeps)) {
        while (path.size() > 2 && path[2] == sep) path.remove(2, 1);
        const qsizetype serverEnd = path.indexOf(sep, 2);
        if (serverEnd < 0) return;
        const qsizetype shareEnd = path.indexOf(sep, serverEnd + 1);
        if (shareEnd < 0) return;
        if (!ops.exists(path.left(shareEnd + 1))) return;
        scan = shareEnd;
    }

    for (qsizetype end = path.indexOf(sep, scan); end >= 0; end = path.indexOf(sep, end + 1)) {
        const QString folder = path.left(end + 1);
        if (!ops.exists(folder) && !ops.create(folder)) {
            throw FolderError(
                QStringLiteral("フォルダを作成できません: %1").arg(folder).toStdString());
        }
    }
}

QString dayFolder(const QString& saveFolder, const QDate& date, QChar separator) {
    return saveFolder + separator + date.toString(QStringLiteral("yyyyMMdd"));
}

QString safeFileName(const QString& name) {
    QString safe = name;
    for (QChar& c : safe) {
        if (QStringView(u"\\/:*?\"<>|").contains(c)) c = u'_';
    }
    if (!safe.isEmpty() && safe.count(u'.') == safe.size()) safe.prepend(u'_');
    return safe;
}

}  // namespace pelmar
