#include "app/folders/FolderLists.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeView>

namespace pelmar::folders {
namespace {

QString driveText(const Volume& volume) {
    return volume.name.isEmpty() ? volume.root
                                 : QStringLiteral("%1 [%2]").arg(volume.root, volume.name);
}

}  // namespace

bool FolderLists::VolumeTree::filterAcceptsRow(int row, const QModelIndex& parent) const {
    const auto* files = static_cast<const QFileSystemModel*>(sourceModel());
    const QString path = files->filePath(files->index(row, 0, parent));
    // The folders above the volume's root stay, so that the root itself is a row of the tree.
    return platform::liesOn(path, root) || platform::liesOn(root, path);
}

FolderLists::FolderLists(QComboBox& drive, QTreeView& dir, QLabel& openPath,
                         const QString& startFolder, Volumes& volumes, Prompts& prompts,
                         QObject* parent)
    : QObject(parent),
      drive_(drive),
      dir_(dir),
      openPath_(openPath),
      volumes_(volumes),
      prompts_(prompts),
      startFolder_(QDir(startFolder).absolutePath()),
      list_(volumes.list()) {
    model_.setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    model_.setReadOnly(true);
    tree_.setSourceModel(&model_);
    tree_.setSortCaseSensitivity(Qt::CaseInsensitive);
    dir_.setModel(&tree_);
    for (int column = 1; column < model_.columnCount(); ++column) dir_.hideColumn(column);
    dir_.setHeaderHidden(true);
    dir_.setSortingEnabled(true);
    dir_.sortByColumn(0, Qt::AscendingOrder);
    dir_.setExpandsOnDoubleClick(false);
    dir_.installEventFilter(this);
    // The folders load in the background: once a level on the way to the open folder is there,
    // the tree unfolds down to it and scrolls it into view.
    connect(&model_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        if (platform::liesOn(openFolder_, loaded)) reveal();
    });
    connect(&dir_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        enterFolder(model_.filePath(tree_.mapToSource(index)));
    });

    for (const Volume& volume : list_) drive_.addItem(driveText(volume));
    connect(&drive_, &QComboBox::activated, this, &FolderLists::changeDrive);

    const Volume* current = volumeOf(list_, startFolder_);
    if (!current && !list_.empty()) current = &list_.front();
    if (!current) return;
    drive_.setCurrentIndex(static_cast<int>(current - list_.data()));
    showVolume(*current);
}

QModelIndex FolderLists::treeIndex(const QString& folder) const {
    return tree_.mapFromSource(model_.index(folder));
}

void FolderLists::showVolume(const Volume& volume) {
    const Volume* home = volumeOf(list_, startFolder_);
    tree_.root = volume.root;
    model_.setRootPath(volume.root);
    tree_.invalidate();
    dir_.setRootIndex(treeIndex(volume.root).parent());
    enterFolder(home && home->root == volume.root ? startFolder_ : volume.root);
}

void FolderLists::enterFolder(const QString& folder) {
    openFolder_ = QDir::cleanPath(folder);
    openPath_.setText(QDir::toNativeSeparators(openFolder_));
    dir_.setCurrentIndex(treeIndex(openFolder_));
    reveal();
}

void FolderLists::reveal() {
    const QModelIndex index = treeIndex(openFolder_);
    for (QModelIndex up = index; up.isValid(); up = up.parent()) dir_.expand(up);
    dir_.scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void FolderLists::changeDrive(int index) {
    if (index < 0 || index >= static_cast<int>(list_.size())) return;
    const Volume volume = list_[static_cast<std::size_t>(index)];
    while (!volumes_.readable(volume.root)) {
        if (prompts_.message(QStringLiteral("Change Drive"),
                             QStringLiteral("It cannot access the drive. "), Prompts::Icon::None,
                             Prompts::Retry | Prompts::Cancel) != Prompts::Retry) {
            return;
        }
    }
    showVolume(volume);
}

bool FolderLists::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &dir_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && dir_.currentIndex().isValid()) {
            enterFolder(model_.filePath(tree_.mapToSource(dir_.currentIndex())));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace pelmar::folders
