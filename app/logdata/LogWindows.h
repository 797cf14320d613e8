#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "app/ResultHistory.h"
#include "app/SingleInstance.h"
#include "app/folders/LocalFolders.h"
#include "app/folders/Volumes.h"
#include "app/logdata/frmReadLog.h"
#include "app/logdata/frmSaveLog.h"
#include "app/seams/FolderOps.h"
#include "app/seams/Prompts.h"

namespace pelmar::logdata {

// The log room's windows: the log reader that the main window's menu opens (a single instance,
// and the way back to the main window when it closes), and the merge dialog that the report
// opens and keeps. Both belong to the main window and go with it.
class LogWindows {
public:
    // showHistory: the main window's table shows the history anew, as a whole.
    LogWindows(QWidget& mainWindow, ResultHistory& history, const QString& saveFolder,
               QString& workFolder, Prompts& prompts, std::function<void()> showHistory);

    // The main window's "ログデータ読み込み": the save folder becomes the process's current
    // folder, the main window hides and the reader opens. Every way out of it shows the main
    // window again.
    void openReader();
    // The merge dialog for the report's "データ統合".
    frmSaveLog* makeMergeDialog();

    frmReadLog* reader() const { return reader_.get(); }

private:
    QWidget& main_;
    ResultHistory& history_;
    const QString& saveFolder_;
    QString& workFolder_;
    Prompts& prompts_;
    std::function<void()> showHistory_;
    folders::LocalVolumes volumes_;
    folders::LocalFolders folders_;
    SingleInstance<frmReadLog> reader_;
};

}  // namespace pelmar::logdata
