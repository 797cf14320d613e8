#pragma once

#include <QString>
#include <QWidget>

#include "app/widgets/WindowSlot.h"
#include "app/folders/Volumes.h"
#include "app/seams/FolderOps.h"
#include "app/seams/Prompts.h"
#include "app/settings/SettingData.h"
#include "app/settings/SettingScreen.h"
#include "app/settings/SettingSender.h"
#include "app/settings/frmSaveSetting.h"
#include "app/settings/frmSettingData.h"
#include "app/settings/frmSettingDataRead.h"

namespace pelmar::settings {

// The setting room's windows that the DM's requests open, each a modeless single instance owned
// by the main window: the setting-data editor, its save dialog and the send dialog.
class SettingWindows : public SettingScreen {
public:
    SettingWindows(QWidget& mainWindow, QString& workFolder, SettingData& data, FolderOps& folders,
                   folders::Volumes& volumes, Prompts& prompts);

    // The editor's "ファイルに保存" opens the save dialog.
    void openEditor() override;
    void openSender(const SettingData& loaded, SettingSender& sender) override;
    void raiseSender() override;

    frmSettingData* editor() const { return editor_.get(); }
    frmSaveSetting* saveDialog() const { return saveSetting_.get(); }
    frmSettingDataRead* sender() const { return sender_.get(); }

private:
    void openSaveDialog();

    QWidget& main_;
    QString& workFolder_;
    SettingData& data_;
    FolderOps& folders_;
    folders::Volumes& volumes_;
    Prompts& prompts_;
    WindowSlot<frmSettingData> editor_;
    WindowSlot<frmSaveSetting> saveSetting_;
    WindowSlot<frmSettingDataRead> sender_;
};

}  // namespace pelmar::settings
