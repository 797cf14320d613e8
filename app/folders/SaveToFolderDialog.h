#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <memory>

#include "app/folders/Volumes.h"
#include "app/folders/frmFile1.h"
#include "app/seams/FileOutcome.h"
#include "app/seams/FolderOps.h"
#include "app/seams/Prompts.h"
#include "app/widgets/WindowSlot.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class SaveToFolderDialog;
}

namespace pelmar::folders {

// A dialog that saves one file into a folder the inspector names: "保存先" (Text1, the work folder
// at first) and "ファイル名" (Text2, typed as a whole; no extension is added). "作成" makes the
// folder and makes it the work folder; "参照" picks the folder with frmFile1, which stands in for
// this dialog and returns the folder into its Text1; "保存" (Enter) writes the file through save()
// and closes, or says that what it saves ("設定データ", ...) could not be saved, which file and
// why, and stays open; "キャンセル" (Escape) closes. The work folder changes by "作成" only. The
// dialogs differ in their caption and in what they save.
class SaveToFolderDialog : public QWidget {
    Q_OBJECT
public:
    ~SaveToFolderDialog() override;

    frmFile1* picker() const { return picker_.get(); }

    std::array<QLabel*, 2> Label1;
    QLineEdit* Text1;
    QPushButton* btnMakeFolder;
    QPushButton* btnReferFolder;
    QLineEdit* Text2;
    QPushButton* btnSave;
    QPushButton* btnCancel;

protected:
    SaveToFolderDialog(const QString& name, const QString& caption, const QString& what,
                       QString& workFolder, FolderOps& folders, Volumes& volumes, Prompts& prompts);

    // Writes the file, replacing one of that name, whole or not at all.
    virtual FileOutcome<> save(const QString& path) = 0;

private:
    void btnMakeFolder_Click();
    void btnReferFolder_Click();
    void btnSave_Click();

    std::unique_ptr<Ui::SaveToFolderDialog> ui_;
    QString what_;
    QString& workFolder_;
    FolderOps& folders_;
    Volumes& volumes_;
    Prompts& prompts_;
    WindowSlot<frmFile1> picker_;
};

}  // namespace pelmar::folders
