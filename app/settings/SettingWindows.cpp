#include "app/settings/SettingWindows.h"

#include <QDir>

namespace pelmar::settings {

SettingWindows::SettingWindows(QWidget& mainWindow, QString& saveFolder, Prompts& prompts,
                               std::function<void()> showSaveFolder)
    : main_(mainWindow),
      saveFolder_(saveFolder),
      prompts_(prompts),
      showSaveFolder_(std::move(showSaveFolder)) {}

void SettingWindows::openSaveLocation() {
    QDir::setCurrent(saveFolder_);
    main_.hide();
    saveFolderDialog_.open([this] {
        auto* dialog = new frmSaveFolder(saveFolder_, folders_, prompts_);
        QObject::connect(dialog, &frmSaveFolder::saveFolderChanged, dialog,
                         [this] { showSaveFolder_(); });
        QObject::connect(dialog, &frmSaveFolder::closed, &main_, &QWidget::show);
        QObject::connect(dialog, &frmSaveFolder::pickFolder, dialog, [this] { openPicker(); });
        return dialog;
    });
}

void SettingWindows::openPicker() {
    picker_.open([this] {
        auto* picker = new frmFile(saveFolder_, volumes_, prompts_);
        QObject::connect(picker, &frmFile::saveFolderChanged, picker,
                         [this] { showSaveFolder_(); });
        QObject::connect(picker, &frmFile::closed, &main_, &QWidget::show);
        return picker;
    });
}

}  // namespace pelmar::settings
