#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "app/folders/FolderLists.h"
#include "app/folders/Volumes.h"
#include "app/seams/Prompts.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeView;

namespace Ui {
class FolderPicker;
}

namespace pelmar::folders {

// The folder picker window (caption "保存フォルダ選択"): the drive list, the folder tree with the
// open folder's path above it, "開く" and "キャンセル". It chooses folders only. "開く" (Enter)
// hands the open folder to take() and closes the picker; "キャンセル" (Escape) and the window frame
// only close it.
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
    // The lists start at startFolder.
    FolderPicker(const QString& name, const QString& startFolder, Volumes& volumes,
                 Prompts& prompts);

    virtual void take(const QString& folder) = 0;

private:
    std::unique_ptr<Ui::FolderPicker> ui_;
    FolderLists* lists_;
};

}  // namespace pelmar::folders
