#pragma once

#include <QFileSystemModel>
#include <QObject>
#include <QSortFilterProxyModel>
#include <QString>
#include <vector>

#include "app/folders/Volumes.h"
#include "app/seams/Prompts.h"

class QComboBox;
class QLabel;
class QTreeView;

namespace pelmar::folders {

// The drive list and the folder tree of a folder-choosing window, working together: the drive
// list offers the volumes, the tree shows the folders of the chosen one, and a label shows the
// full path of the open folder. The open folder is the one entered last (double-click or Enter),
// not one that is only highlighted; it is what the window's "開く" takes. Any window with a
// drive list and a folder list (the folder pickers, the log reader) binds its controls to one.
class FolderLists : public QObject {
    Q_OBJECT
public:
    // The lists start at the volume of startFolder, open at that folder; a relative one lies in
    // the folder the program was started in.
    FolderLists(QComboBox& drive, QTreeView& dir, QLabel& openPath, const QString& startFolder,
                Volumes& volumes, Prompts& prompts, QObject* parent = nullptr);

    QString openFolder() const { return openFolder_; }

    // What a double-click or Enter on a folder of the tree does.
    void enterFolder(const QString& folder);
    // What choosing a volume in the drive list does: the tree shows that volume, open at the
    // start folder when it lies there, else at its root. A volume that cannot be read asks
    // Retry or Cancel; Cancel leaves the tree at its folder while the drive list shows the
    // chosen volume.
    void changeDrive(int index);

    QFileSystemModel& model() { return model_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The tree of one volume: its root folder and what lies below it, nothing beside it.
    class VolumeTree : public QSortFilterProxyModel {
    public:
        QString root;

    protected:
        bool filterAcceptsRow(int row, const QModelIndex& parent) const override;
    };

    void showVolume(const Volume& volume);
    // Unfolds the tree down to the open folder and scrolls it into view.
    void reveal();
    QModelIndex treeIndex(const QString& folder) const;

    QComboBox& drive_;
    QTreeView& dir_;
    QLabel& openPath_;
    Volumes& volumes_;
    Prompts& prompts_;
    const QString startFolder_;
    std::vector<Volume> list_;
    QFileSystemModel model_;
    VolumeTree tree_;
    QString openFolder_;
};

}  // namespace pelmar::folders
