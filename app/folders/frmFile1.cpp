#include "app/folders/frmFile1.h"

#include <QDir>
#include <QLineEdit>

namespace pelmar::folders {

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

}  // namespace pelmar::folders
