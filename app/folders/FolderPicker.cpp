#include "app/folders/FolderPicker.h"

#include "app/widgets/WindowSlot.h"

#include "ui_FolderPicker.h"

namespace pelmar::folders {

FolderPicker::FolderPicker(const QString& name, const QString& startFolder, Volumes& volumes,
                           Prompts& prompts)
    : ui_(std::make_unique<Ui::FolderPicker>()) {
    ui_->setupUi(this);
    setObjectName(name);
    Drive1 = ui_->Drive1;
    lblOpenFolder = ui_->lblOpenFolder;
    Dir1 = ui_->Dir1;
    cmdOpen = ui_->cmdOpen;
    cmdCan = ui_->cmdCan;
    lists_ = new FolderLists(*Drive1, *Dir1, *lblOpenFolder, startFolder, volumes, prompts, this);
    connect(cmdOpen, &QPushButton::clicked, this, [this] {
        take(lists_->openFolder());
        close();
    });
    connect(cmdCan, &QPushButton::clicked, this, &QWidget::close);
    setWindowKeys(*this, *cmdOpen, *cmdCan);
}

FolderPicker::~FolderPicker() = default;

}  // namespace pelmar::folders
