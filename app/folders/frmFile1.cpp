#include "app/folders/frmFile1.h"

#include <QDir>
#include <QLineEdit>

namespace pelmar::folders {

frmFile1::frmFile1(QLineEdit& text1, const QString& startFolder, Volumes& volumes, Prompts& prompts)
    : FolderPicker(QStringLiteral("frmFile1"), startFolder, volumes, prompts), text1_(text1) {}

void frmFile1::take(const QString& folder) {
    text1_.setText(QDir::toNativeSeparators(folder));
}

}  // namespace pelmar::folders
