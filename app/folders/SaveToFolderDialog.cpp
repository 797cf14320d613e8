#include "app/folders/SaveToFolderDialog.h"

#include <QDir>

#include "app/folders/FolderMaking.h"
#include "app/text/FileMessages.h"
#include "app/widgets/WindowSlot.h"
#include "ui_SaveToFolderDialog.h"

namespace pelmar::folders {

SaveToFolderDialog::SaveToFolderDialog(const QString& name, const QString& caption,
                                       const QString& what, QString& workFolder, FolderOps& folders,
                                       Volumes& volumes, Prompts& prompts)
    : ui_(std::make_unique<Ui::SaveToFolderDialog>()),
      what_(what),
      workFolder_(workFolder),
      folders_(folders),
      volumes_(volumes),
      prompts_(prompts) {
    ui_->setupUi(this);
    setObjectName(name);
    setWindowTitle(caption);
    Label1 = {ui_->Label1_0, ui_->Label1_1};
    Text1 = ui_->Text1;
    btnMakeFolder = ui_->btnMakeFolder;
    btnReferFolder = ui_->btnReferFolder;
    Text2 = ui_->Text2;
    btnSave = ui_->btnSave;
    btnCancel = ui_->btnCancel;
    Text1->setText(workFolder_);
    connect(btnMakeFolder, &QPushButton::clicked, this, &SaveToFolderDialog::btnMakeFolder_Click);
    connect(btnReferFolder, &QPushButton::clicked, this, &SaveToFolderDialog::btnReferFolder_Click);
    connect(btnSave, &QPushButton::clicked, this, &SaveToFolderDialog::btnSave_Click);
    connect(btnCancel, &QPushButton::clicked, this, &QWidget::close);
    setWindowKeys(*this, *btnSave, *btnCancel);
}

SaveToFolderDialog::~SaveToFolderDialog() = default;

// The work folder names a folder that is there: one that cannot be made leaves it as it was.
void SaveToFolderDialog::btnMakeFolder_Click() {
    const QString folder = Text1->text();
    if (!makeFolderTelling(folder, folders_, prompts_)) return;
    workFolder_ = QDir::toNativeSeparators(folder);
    prompts_.message(QString(), workFolder_ + QStringLiteral("フォルダを作成しました。"),
                     Prompts::Icon::None, Prompts::Ok);
}

// The picker starts at the work folder, the folder this dialog proposes.
void SaveToFolderDialog::btnReferFolder_Click() {
    picker_.openInPlaceOf(*this,
                          [this] { return new frmFile1(*Text1, workFolder_, volumes_, prompts_); });
}

void SaveToFolderDialog::btnSave_Click() {
    if (Text2->text().isEmpty()) {
        prompts_.message(QString(), QStringLiteral("ファイル名を入力してください。"),
                         Prompts::Icon::None, Prompts::Ok);
        return;
    }
    const QString path = Text1->text() + QDir::separator() + Text2->text();
    if (const auto saved = save(path); !saved) {
        prompts_.message(QString(),
                         QStringLiteral("%1を保存できません。\n%2")
                             .arg(what_, text::notWritten(saved.problem())),
                         Prompts::Icon::Warning, Prompts::Ok);
        return;
    }
    close();
}

}  // namespace pelmar::folders
