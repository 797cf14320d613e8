#pragma once

#include <QString>

#include "app/folders/FolderPicker.h"

namespace pelmar::folders {

// The picker of the save-location dialog: it starts at the save folder, and "開く" makes the
// open folder the save folder.
class frmFile : public FolderPicker {
    Q_OBJECT
public:
    frmFile(QString& saveFolder, Volumes& volumes, Prompts& prompts);

signals:
    void saveFolderChanged();

protected:
    void take(const QString& folder) override;

private:
    QString& saveFolder_;
};

}  // namespace pelmar::folders
