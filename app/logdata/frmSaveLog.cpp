#include "app/logdata/frmSaveLog.h"

#include "app/logdata/MergeFile.h"

namespace pelmar::logdata {

frmSaveLog::frmSaveLog(const ResultHistory& history, QString& workFolder, FolderOps& folders,
                       folders::Volumes& volumes, Prompts& prompts)
    : SaveToFolderDialog(QStringLiteral("frmSaveLog"), QStringLiteral("計測データの統合"),
                         workFolder, folders, volumes, prompts),
      history_(history) {}

std::optional<QString> frmSaveLog::save(const QString& path) {
    if (const auto written = WriteMergeFile(path, history_); !written) {
        return QStringLiteral("計測データを保存できません。\n%1")
            .arg(text::notWritten(written.problem()));
    }
    return std::nullopt;
}

}  // namespace pelmar::logdata
