#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "app/seams/FolderOps.h"
#include "app/seams/Prompts.h"

class QLineEdit;
class QPushButton;

namespace Ui {
class frmSaveFolder;
}

namespace pelmar::folders {

// The save-location dialog (caption "保存場所の設定"), opened from the main window's "保存場所"
// in place of the main window. "作成" (Enter) makes the typed folder the save folder and creates
// it; "参照" gives way to the folder picker frmFile (its opener wires it); "キャンセル" (Escape)
// changes nothing. The configuration file is not written here.
class frmSaveFolder : public QWidget {
    Q_OBJECT
public:
    frmSaveFolder(QString& saveFolder, FolderOps& folders, Prompts& prompts);
    ~frmSaveFolder() override;

    QLineEdit* Text1;
    QPushButton* btnMakeFolder;
    QPushButton* btnReferFolder;
    QPushButton* btnCancel;

signals:
    void saveFolderChanged();

private:
    void btnMakeFolder_Click();

    std::unique_ptr<Ui::frmSaveFolder> ui_;
    QString& saveFolder_;
    FolderOps& folders_;
    Prompts& prompts_;
};

}  // namespace pelmar::folders
