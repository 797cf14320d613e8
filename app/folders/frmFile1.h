#pragma once

#include "app/folders/FolderPicker.h"

class QLineEdit;

namespace pelmar::folders {

// The picker of the dialogs that name a folder in their text box Text1 (the setting-data save
// dialog, the merge dialog): it stands in for the dialog that opened it and writes the folder
// into that one's Text1.
class frmFile1 : public FolderPicker {
    Q_OBJECT
public:
    frmFile1(QLineEdit& text1, const QString& startFolder, Volumes& volumes, Prompts& prompts);

protected:
    void take(const QString& folder) override;

private:
    QLineEdit& text1_;
};

}  // namespace pelmar::folders
