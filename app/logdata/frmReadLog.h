#pragma once

#include <QString>

#include "app/records/ResultHistory.h"
#include "app/folders/FolderPicker.h"
#include "app/folders/Volumes.h"
#include "app/seams/Prompts.h"

namespace pelmar::logdata {

// The log reader (caption "ログデータ読み出しフォルダ選択"), opened from the main window's
// "ログデータ読み込み" in place of the main window: the folder pickers' drive list and folder tree,
// starting at startFolder.
// "開く" reads the measurement files of the open folder and of every folder below it into the
// history (ReadLogData), then tells how many files could not be read and which folders could
// not be listed; "キャンセル" changes nothing.
class frmReadLog : public folders::FolderPicker {
    Q_OBJECT
public:
    frmReadLog(ResultHistory& history, const QString& startFolder, folders::Volumes& volumes,
               Prompts& prompts);

signals:
    // The history was replaced: the main window's table is to show it.
    void historyReplaced();

protected:
    void take(const QString& folder) override;

private:
    ResultHistory& history_;
    Prompts& prompts_;
};

}  // namespace pelmar::logdata
