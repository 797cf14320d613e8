#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "app/link/Prompts.h"
#include "app/settings/FolderLists.h"
#include "app/settings/Volumes.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace Ui {
class FolderPicker;
}

namespace pelmar::settings {

// The folder picker window (caption "保存フォルダ選択"): the drive list, the folder tree with the
// open folder's path above it, "開く" and "キャンセル". It chooses folders only. "開く" hands the
// open folder to take(); every way out, "開く", "キャンセル" or the window frame, ends in
// comeBack(), which shows again the window the picker stands in for.
class FolderPicker : public QWidget {
    Q_OBJECT
public:
    ~FolderPicker() override;

    FolderLists& lists() { return *lists_; }

    QComboBox* Drive1;
    QLabel* lblOpenFolder;
    QTreeView* Dir1;
    QPushButton* cmdOpen;
    QPushButton* cmdCan;

protected:
    FolderPicker(const QString& name, Volumes& volumes, Prompts& prompts);

    virtual void take(const QString& folder) = 0;
    virtual void comeBack() = 0;
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::FolderPicker> ui_;
    FolderLists* lists_;
};

// The picker of the save-location dialog: "開く" makes the open folder the save folder.
class frmFile : public FolderPicker {
    Q_OBJECT
public:
    frmFile(QString& saveFolder, Volumes& volumes, Prompts& prompts);

signals:
    void saveFolderChanged();
    // The picker has closed: the main window comes back.
    void closed();

protected:
    void take(const QString& folder) override;
    void comeBack() override { emit closed(); }

private:
    QString& saveFolder_;
};

// The picker of the dialogs that name a folder in their text box Text1 (the setting-data save
// dialog, the merge dialog): it remembers which one opened it, writes the folder into that
// one's Text1 and shows that one again.
class frmFile1 : public FolderPicker {
    Q_OBJECT
public:
    frmFile1(QWidget& opener, QLineEdit& text1, Volumes& volumes, Prompts& prompts);

protected:
    void take(const QString& folder) override;
    void comeBack() override;

private:
    QPointer<QWidget> opener_;
    QPointer<QLineEdit> text1_;
};

}  // namespace pelmar::settings
