#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "app/SingleInstance.h"
#include "app/folders/LocalFolders.h"
#include "app/folders/Volumes.h"
#include "app/folders/frmFile.h"
#include "app/folders/frmSaveFolder.h"
#include "app/seams/FolderOps.h"
#include "app/seams/Prompts.h"
#include "app/settings/SettingData.h"
#include "app/settings/SettingSender.h"
#include "app/settings/frmSaveSetting.h"
#include "app/settings/frmSettingData.h"
#include "app/settings/frmSettingDataRead.h"

namespace pelmar::settings {

// The setting room's windows, each a modeless single instance: the save location that the main
// window's menu opens (and the way back to the main window when it closes), and the setting-data
// editor, save dialog and send dialog that the DM's requests open.
class SettingWindows {
public:
    // showSaveFolder: the main window shows the save folder again (its label lblSave).
    SettingWindows(QWidget& mainWindow, QString& saveFolder, QString& workFolder, SettingData& data,
                   Prompts& prompts, std::function<void()> showSaveFolder);
    // The windows still open go with the main window.
    ~SettingWindows();

    // The main window's "保存場所": the save folder becomes the process's current folder, the
    // main window hides and the save-location dialog opens. Every way out of it, or of the
    // picker it gives way to, shows the main window again.
    void openSaveLocation();
    // The editor of the setting data; its "ファイルに保存" opens the save dialog.
    void openEditor();
    // The send dialog with the record loaded for the DM's read request.
    void openSender(const SettingData& loaded, SettingSender& sender);
    // The send dialog that is open, brought to view unchanged.
    void raiseSender();

    folders::frmSaveFolder* saveLocationDialog() const { return saveFolderDialog_.get(); }
    folders::frmFile* saveLocationPicker() const { return picker_.get(); }
    frmSettingData* editor() const { return editor_.get(); }
    frmSaveSetting* saveDialog() const { return saveSetting_.get(); }
    frmSettingDataRead* sender() const { return sender_.get(); }

private:
    void openPicker();
    void openSaveDialog();

    QWidget& main_;
    QString& saveFolder_;
    QString& workFolder_;
    SettingData& data_;
    Prompts& prompts_;
    std::function<void()> showSaveFolder_;
    folders::LocalVolumes volumes_;
    folders::LocalFolders folders_;
    SingleInstance<folders::frmSaveFolder> saveFolderDialog_;
    SingleInstance<folders::frmFile> picker_;
    SingleInstance<frmSettingData> editor_;
    SingleInstance<frmSaveSetting> saveSetting_;
    SingleInstance<frmSettingDataRead> sender_;
};

}  // namespace pelmar::settings
