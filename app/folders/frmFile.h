#pragma once

#include <QString>

#include "app/folders/FolderPicker.h"

namespace pelmar::folders {

// The picker of the save-location dialog: "開く" makes the open folder the save folder.
class frmFile : public FolderPicker {
    Q_OBJECT
public:
    frmFile(QString& saveFolder, Volumes& volumes, Prompts& prompts);

signals:
    void saveFolderChanged();
    // The picker has closed: the main window comes back.
    void closed();

protected:
    void take(const QString& folder) override;
    void comeBack() override { emit closed(); }

private:
    QString& saveFolder_;
};

}  // namespace pelmar::folders
