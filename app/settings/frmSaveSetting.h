#pragma once

#include <QString>

#include "app/folders/SaveToFolderDialog.h"
#include "app/folders/Volumes.h"
#include "app/seams/FolderOps.h"
#include "app/seams/Prompts.h"
#include "app/settings/SettingData.h"

namespace pelmar::settings {

// The save dialog of the setting data (caption "設定データの保存"): "保存" writes the setting-data
// file (WriteSettingFile) at the folder and under the name typed.
class frmSaveSetting : public folders::SaveToFolderDialog {
    Q_OBJECT
public:
    frmSaveSetting(const SettingData& data, QString& workFolder, FolderOps& folders,
                   folders::Volumes& volumes, Prompts& prompts);

protected:
    FileOutcome<> save(const QString& path) override;

private:
    const SettingData& data_;
};

}  // namespace pelmar::settings
