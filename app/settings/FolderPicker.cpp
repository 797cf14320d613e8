#include "app/settings/FolderPicker.h"

#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>

#include "ui_FolderPicker.h"

namespace pelmar::settings {

FolderPicker::FolderPicker(const QString& name, Volumes& volumes, Prompts& prompts)
    : ui_(std::make_unique<Ui::FolderPicker>()) {
    ui_->setupUi(this);
    setObjectName(name);
    Drive1 = ui_->Drive1;
    lblOpenFolder = ui_->lblOpenFolder;
    Dir1 = ui_->Dir1;
    cmdOpen = ui_->cmdOpen;
    cmdCan = ui_->cmdCan;
    lists_ = new FolderLists(*Drive1, *Dir1, *lblOpenFolder, volumes, prompts, this);
    connect(cmdOpen, &QPushButton::clicked, this, [this] {
        take(lists_->openFolder());
        close();
    });
    connect(cmdCan, &QPushButton::clicked, this, &QWidget::close);
}

FolderPicker::~FolderPicker() = default;

void FolderPicker::closeEvent(QCloseEvent* event) {
    comeBack();
    event->accept();
}

frmFile::frmFile(QString& saveFolder, Volumes& volumes, Prompts& prompts)
    : FolderPicker(QStringLiteral("frmFile"), volumes, prompts), saveFolder_(saveFolder) {}

void frmFile::take(const QString& folder) {
    saveFolder_ = QDir::toNativeSeparators(folder);
    emit saveFolderChanged();
}

frmFile1::frmFile1(QWidget& opener, QLineEdit& text1, Volumes& volumes, Prompts& prompts)
    : FolderPicker(QStringLiteral("frmFile1"), volumes, prompts), opener_(&opener), text1_(&text1) {
    // A picker whose dialog is gone has nowhere to return to.
    connect(&opener, &QObject::destroyed, this, [this] {
        opener_ = nullptr;
        text1_ = nullptr;
        close();
    });
}

void frmFile1::take(const QString& folder) {
    if (text1_) text1_->setText(QDir::toNativeSeparators(folder));
}

void frmFile1::comeBack() {
    if (opener_) opener_->show();
}

}  // namespace pelmar::settings
