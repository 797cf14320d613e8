#pragma once

#include <QPointer>

#include "app/folders/FolderPicker.h"

class QLineEdit;

namespace pelmar::folders {

// The picker of the dialogs that name a folder in their text box Text1 (the setting-data save
// dialog, the merge dialog): it remembers which one opened it, writes the folder into that
// one's Text1 and shows that one again.
class frmFile1 : public FolderPicker {
    Q_OBJECT
public:
    frmFile1(QWidget& opener, QLineEdit& text1, Volumes& volumes, Prompts& prompts);

protected:
    void take(const QString& folder) override;
    void comeBack() override;

private:
    QPointer<QWidget> opener_;
    QPointer<QLineEdit> text1_;
};

}  // namespace pelmar::folders
