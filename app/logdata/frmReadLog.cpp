#include "app/logdata/frmReadLog.h"

#include "app/logdata/LogReader.h"

namespace pelmar::logdata {

frmReadLog::frmReadLog(ResultHistory& history, const QString& startFolder,
                       folders::Volumes& volumes, Prompts& prompts)
    : FolderPicker(QStringLiteral("frmReadLog"), startFolder, volumes, prompts),
      history_(history),
      prompts_(prompts) {
    setWindowTitle(QStringLiteral("ログデータ読み出しフォルダ選択"));
}

// The table is redrawn before any message, so that the inspector sees what was read while
// reading what was not.
void frmReadLog::take(const QString& folder) {
    const LogReadResult result = ReadLogData(folder, history_, [this] { emit historyReplaced(); });
    if (result.filesSkipped > 0) {
        prompts_.message(
            QString(),
            QStringLiteral("読み込めないファイル（空のファイル、または読み取りできないファイル）が"
                           "%1個あり、読み飛ばしました。")
                .arg(result.filesSkipped),
            Prompts::Icon::Warning, Prompts::Ok);
    }
    if (!result.skippedFolders.isEmpty()) {
        prompts_.message(skippedFoldersTitle(), skippedFoldersText(result.skippedFolders),
                         Prompts::Icon::Critical, Prompts::Ok);
    }
}

}  // namespace pelmar::logdata
