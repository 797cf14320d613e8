#pragma once

#include "app/settings/SettingData.h"
#include "app/settings/SettingDataWindow.h"

namespace pelmar::settings {

// The editor of the record the DM has written (SETW): "ファイルに保存" takes the panel into the
// setting data and gives way to the save dialog; "キャンセル" and the window frame only close it.
class frmSettingData : public SettingDataWindow {
    Q_OBJECT
public:
    explicit frmSettingData(SettingData& data);

    QPushButton* btnSave;
    QPushButton* btnCan;

signals:
    // The editor has closed and the save dialog is to open in its place.
    void saveRequested();

private:
    SettingData& data_;
};

}  // namespace pelmar::settings
