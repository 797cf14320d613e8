#include "app/settings/SettingWindows.h"

#include <QDir>

namespace pelmar::settings {

SettingWindows::SettingWindows(QWidget& mainWindow, QString& saveFolder, QString& workFolder,
                               SettingData& data, Prompts& prompts,
                               std::function<void()> showSaveFolder)
    : main_(mainWindow),
      saveFolder_(saveFolder),
      workFolder_(workFolder),
      data_(data),
      prompts_(prompts),
      showSaveFolder_(std::move(showSaveFolder)) {}

SettingWindows::~SettingWindows() {
    delete sender_.get();
    delete saveSetting_.get();
    delete editor_.get();
    delete picker_.get();
    delete saveFolderDialog_.get();
}

void SettingWindows::openSaveLocation() {
    QDir::setCurrent(saveFolder_);
    main_.hide();
    saveFolderDialog_.open([this] {
        auto* dialog = new folders::frmSaveFolder(saveFolder_, folders_, prompts_);
        QObject::connect(dialog, &folders::frmSaveFolder::saveFolderChanged, dialog,
                         [this] { showSaveFolder_(); });
        QObject::connect(dialog, &folders::frmSaveFolder::closed, &main_, &QWidget::show);
        QObject::connect(dialog, &folders::frmSaveFolder::pickFolder, dialog,
                         [this] { openPicker(); });
        return dialog;
    });
}

void SettingWindows::openPicker() {
    picker_.open([this] {
        auto* picker = new folders::frmFile(saveFolder_, volumes_, prompts_);
        QObject::connect(picker, &folders::frmFile::saveFolderChanged, picker,
                         [this] { showSaveFolder_(); });
        QObject::connect(picker, &folders::frmFile::closed, &main_, &QWidget::show);
        return picker;
    });
}

void SettingWindows::openEditor() {
    editor_.open([this] {
        auto* editor = new frmSettingData(data_);
        QObject::connect(editor, &frmSettingData::saveRequested, editor,
                         [this] { openSaveDialog(); });
        return editor;
    });
}

void SettingWindows::openSaveDialog() {
    saveSetting_.open(
        [this] { return new frmSaveSetting(data_, workFolder_, folders_, volumes_, prompts_); });
}

void SettingWindows::openSender(const SettingData& loaded, SettingSender& sender) {
    sender_.open([&] { return new frmSettingDataRead(data_, loaded, sender, prompts_); });
}

void SettingWindows::raiseSender() {
    sender_.raise();
}

}  // namespace pelmar::settings
