#include "app/logdata/frmSaveLog.h"

#include "app/logdata/MergeFile.h"

namespace pelmar::logdata {

frmSaveLog::frmSaveLog(const ResultHistory& history, QString& workFolder, FolderOps& folders,
                       folders::Volumes& volumes, Prompts& prompts)
    : SaveToFolderDialog(QStringLiteral("frmSaveLog"), QStringLiteral("計測データの統合"),
                         QStringLiteral("計測データ"), workFolder, folders, volumes, prompts),
      history_(history) {}

FileOutcome<> frmSaveLog::save(const QString& path) {
    return WriteMergeFile(path, history_);
}

}  // namespace pelmar::logdata
