#include "app/settings/frmSaveSetting.h"

#include "app/settings/SettingFile.h"

namespace pelmar::settings {

frmSaveSetting::frmSaveSetting(const SettingData& data, QString& workFolder, FolderOps& folders,
                               folders::Volumes& volumes, Prompts& prompts)
    : folders::SaveToFolderDialog(QStringLiteral("frmSaveSetting"),
                                  QStringLiteral("設定データの保存"), QStringLiteral("設定データ"),
                                  workFolder, folders, volumes, prompts),
      data_(data) {}

FileOutcome<> frmSaveSetting::save(const QString& path) {
    return WriteSettingFile(path, data_);
}

}  // namespace pelmar::settings
