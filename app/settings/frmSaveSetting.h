#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "app/SingleInstance.h"
#include "app/link/FolderOps.h"
#include "app/link/Prompts.h"
#include "app/settings/FolderPicker.h"
#include "app/settings/SettingData.h"
#include "app/settings/Volumes.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class frmSaveSetting;
}

namespace pelmar::settings {

// The save dialog of the setting data (caption "設定データの保存"): the folder (the work folder
// at first) and the file name, typed as a whole, without an extension of its own. "作成" makes
// the folder and the work folder; "参照" picks the folder with frmFile1; "保存" writes the file,
// replacing one of that name. The work folder changes by "作成" only.
class frmSaveSetting : public QWidget {
    Q_OBJECT
public:
    frmSaveSetting(const SettingData& data, QString& workFolder, FolderOps& folders,
                   Volumes& volumes, Prompts& prompts);
    ~frmSaveSetting() override;

    frmFile1* picker() const { return picker_.get(); }

    std::array<QLabel*, 2> Label1;
    QLineEdit* Text1;
    QPushButton* btnMakeFolder;
    QPushButton* btnReferFolder;
    QLineEdit* Text2;
    QPushButton* btnSave;
    QPushButton* btnCancel;

private:
    void btnMakeFolder_Click();
    void btnReferFolder_Click();
    void btnSave_Click();

    std::unique_ptr<Ui::frmSaveSetting> ui_;
    const SettingData& data_;
    QString& workFolder_;
    FolderOps& folders_;
    Volumes& volumes_;
    Prompts& prompts_;
    SingleInstance<frmFile1> picker_;
};

}  // namespace pelmar::settings
