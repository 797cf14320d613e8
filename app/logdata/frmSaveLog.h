#pragma once

#include <QString>

#include "app/records/ResultHistory.h"
#include "app/folders/SaveToFolderDialog.h"
#include "app/folders/Volumes.h"
#include "app/seams/FolderOps.h"
#include "app/seams/Prompts.h"

namespace pelmar::logdata {

// The merge dialog (caption "計測データの統合"), opened by the report's "データ統合" in place of
// the report: "保存" writes the listed results into one file (WriteMergeFile) at the folder and
// under the name typed.
class frmSaveLog : public folders::SaveToFolderDialog {
    Q_OBJECT
public:
    frmSaveLog(const ResultHistory& history, QString& workFolder, FolderOps& folders,
               folders::Volumes& volumes, Prompts& prompts);

protected:
    FileOutcome<> save(const QString& path) override;

private:
    const ResultHistory& history_;
};

}  // namespace pelmar::logdata
