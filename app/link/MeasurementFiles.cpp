#include "app/link/MeasurementFiles.h"

#include "app/folders/FolderMaking.h"
#include "app/text/FileMessages.h"

namespace pelmar {

QString dayFolder(const QString& saveFolder, const QDate& date, QChar separator) {
    return folders::spelledWith(saveFolder, separator) + separator +
           date.toString(QStringLiteral("yyyyMMdd"));
}

QString todaysFolder(const QString& saveFolder, FolderOps& folders) {
    return dayFolder(saveFolder, QDate::currentDate(), folders.separator());
}

bool storeMeasurement(Screen& screen, FolderOps& folders, const QString& folder,
                      const std::vector<std::function<FileOutcome<>()>>& writes) {
    QString failure;
    if (const auto made = folders::MakeFolderPath(folder, folders); !made) {
        failure = folders::notMade(made.problem());
    } else {
        for (const auto& write : writes) {
            if (const auto written = write(); !written) {
                failure = text::notWritten(written.problem());
                break;
            }
        }
    }
    if (failure.isEmpty()) {
        screen.problemMended(Screen::Problem::Store);
        return true;
    }
    // A full disk, a folder gone or turned read-only: this exchange is refused, and the loop
    // serves the next one, which is stored as soon as there is room again.
    screen.showProblem(Screen::Problem::Store, QStringLiteral("保存エラー（%1）").arg(failure));
    return false;
}

QString safeFileName(const QString& name) {
    QString safe = name;
    for (QChar& c : safe) {
        if (QStringView(u"\\/:*?\"<>|").contains(c)) c = u'_';
    }
    if (safe.isEmpty() || safe.startsWith(u'.')) safe.prepend(u'_');
    // Cut at whole characters, counting the bytes the file system stores (UTF-8 here).
    const qsizetype room = kLongestFileName - kTemporarySuffixLength - kPointsSuffix.size();
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < safe.size(); ++i) {
        const qsizetype width = safe[i].isHighSurrogate() && i + 1 < safe.size() ? 2 : 1;
        bytes += QStringView(safe).mid(i, width).toUtf8().size();
        if (bytes > room) {
            safe.truncate(i);
            break;
        }
        i += width - 1;
    }
    return safe;
}

QString measurementFile(const QString& folder, const QString& name, const QString& suffix,
                        QChar separator) {
    return folders::spelledWith(folder, separator) + separator + safeFileName(name) + suffix;
}

}  // namespace pelmar
