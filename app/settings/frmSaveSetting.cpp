#include "app/settings/frmSaveSetting.h"

#include "app/settings/SettingFile.h"

namespace pelmar::settings {

frmSaveSetting::frmSaveSetting(const SettingData& data, QString& workFolder, FolderOps& folders,
                               folders::Volumes& volumes, Prompts& prompts)
    : folders::SaveToFolderDialog(QStringLiteral("frmSaveSetting"),
                                  QStringLiteral("設定データの保存"), workFolder, folders, volumes,
                                  prompts),
      data_(data) {}

std::optional<QString> frmSaveSetting::save(const QString& path) {
    if (const auto written = WriteSettingFile(path, data_); !written) {
        return QStringLiteral("設定データを保存できません。\n%1")
            .arg(text::notWritten(written.problem()));
    }
    return std::nullopt;
}

}  // namespace pelmar::settings
