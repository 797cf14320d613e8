#include "app/folders/frmSaveFolder.h"

#include "app/widgets/WindowSlot.h"

#include "app/folders/FolderMaking.h"
#include "ui_frmSaveFolder.h"

namespace pelmar::folders {

frmSaveFolder::frmSaveFolder(QString& saveFolder, FolderOps& folders, Prompts& prompts)
    : ui_(std::make_unique<Ui::frmSaveFolder>()),
      saveFolder_(saveFolder),
      folders_(folders),
      prompts_(prompts) {
    ui_->setupUi(this);
    Text1 = ui_->Text1;
    btnMakeFolder = ui_->btnMakeFolder;
    btnReferFolder = ui_->btnReferFolder;
    btnCancel = ui_->btnCancel;
    Text1->setText(saveFolder_);
    connect(btnMakeFolder, &QPushButton::clicked, this, &frmSaveFolder::btnMakeFolder_Click);
    connect(btnCancel, &QPushButton::clicked, this, &QWidget::close);
    setWindowKeys(*this, *btnMakeFolder, *btnCancel);
}

frmSaveFolder::~frmSaveFolder() = default;

// A folder that cannot be made leaves the save folder as it was and the dialog open, so that
// the inspector can correct it.
void frmSaveFolder::btnMakeFolder_Click() {
    const QString folder = Text1->text();
    if (!makeFolderTelling(folder, folders_, prompts_)) return;
    saveFolder_ = folder;
    emit saveFolderChanged();
    close();
}

}  // namespace pelmar::folders
