#include "app/settings/SettingWindows.h"

namespace pelmar::settings {

SettingWindows::SettingWindows(QWidget& mainWindow, QString& workFolder, SettingData& data,
                               FolderOps& folders, folders::Volumes& volumes, Prompts& prompts)
    : main_(mainWindow),
      workFolder_(workFolder),
      data_(data),
      folders_(folders),
      volumes_(volumes),
      prompts_(prompts) {}

void SettingWindows::openEditor() {
    editor_.open(main_, [this] {
        auto* editor = new frmSettingData(data_);
        QObject::connect(editor, &frmSettingData::saveRequested, editor,
                         [this] { openSaveDialog(); });
        return editor;
    });
}

void SettingWindows::openSaveDialog() {
    saveSetting_.open(main_, [this] {
        return new frmSaveSetting(data_, workFolder_, folders_, volumes_, prompts_);
    });
}

void SettingWindows::openSender(const SettingData& loaded, SettingSender& sender) {
    sender_.open(main_, [&] { return new frmSettingDataRead(data_, loaded, sender, prompts_); });
}

void SettingWindows::raiseSender() {
    sender_.raise();
}

}  // namespace pelmar::settings
