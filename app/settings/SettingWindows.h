#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "app/SingleInstance.h"
#include "app/link/FolderOps.h"
#include "app/link/Prompts.h"
#include "app/settings/FolderPicker.h"
#include "app/settings/Volumes.h"
#include "app/settings/frmSaveFolder.h"

namespace pelmar::settings {

// The setting room's windows that the main window opens, each a modeless single instance, and
// the way back to the main window when they close.
class SettingWindows {
public:
    // showSaveFolder: the main window shows the save folder again (its label lblSave).
    SettingWindows(QWidget& mainWindow, QString& saveFolder, Prompts& prompts,
                   std::function<void()> showSaveFolder);

    // The main window's "保存場所": the save folder becomes the process's current folder, the
    // main window hides and the save-location dialog opens. Every way out of it, or of the
    // picker it gives way to, shows the main window again.
    void openSaveLocation();

    frmSaveFolder* saveLocationDialog() const { return saveFolderDialog_.get(); }
    frmFile* saveLocationPicker() const { return picker_.get(); }

    Volumes& volumes() { return volumes_; }
    FolderOps& folders() { return folders_; }

private:
    void openPicker();

    QWidget& main_;
    QString& saveFolder_;
    Prompts& prompts_;
    std::function<void()> showSaveFolder_;
    LocalVolumes volumes_;
    LocalFolders folders_;
    SingleInstance<frmSaveFolder> saveFolderDialog_;
    SingleInstance<frmFile> picker_;
};

}  // namespace pelmar::settings
