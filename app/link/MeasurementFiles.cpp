#include "app/link/MeasurementFiles.h"

#include "app/link/Folders.h"

namespace pelmar {

QString dayFolder(const QString& saveFolder, const QDate& date, QChar separator) {
    return saveFolder + separator + date.toString(QStringLiteral("yyyyMMdd"));
}

QString makeDayFolder(const QString& saveFolder, FolderOps& folders) {
    const QString folder = dayFolder(saveFolder, QDate::currentDate(), folders.separator());
    MakeFolderPath(folder, folders);
    return folder;
}

QString safeFileName(const QString& name) {
    QString safe = name;
    for (QChar& c : safe) {
        if (QStringView(u"\\/:*?\"<>|").contains(c)) c = u'_';
    }
    if (!safe.isEmpty() && safe.count(u'.') == safe.size()) safe.prepend(u'_');
    return safe;
}

QString measurementFile(const QString& folder, const QString& name, const QString& suffix,
                        QChar separator) {
    return folder + separator + name + suffix;
}

}  // namespace pelmar
