#include "app/folders/frmFile.h"

#include <QDir>

namespace pelmar::folders {

frmFile::frmFile(QString& saveFolder, Volumes& volumes, Prompts& prompts)
    : FolderPicker(QStringLiteral("frmFile"), saveFolder, volumes, prompts),
      saveFolder_(saveFolder) {}

void frmFile::take(const QString& folder) {
    saveFolder_ = QDir::toNativeSeparators(folder);
    emit saveFolderChanged();
}

}  // namespace pelmar::folders
