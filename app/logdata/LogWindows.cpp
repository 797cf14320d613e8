#include "app/logdata/LogWindows.h"

#include <QDir>

namespace pelmar::logdata {

LogWindows::LogWindows(QWidget& mainWindow, ResultHistory& history, const QString& saveFolder,
                       QString& workFolder, Prompts& prompts, std::function<void()> showHistory)
    : main_(mainWindow),
      history_(history),
      saveFolder_(saveFolder),
      workFolder_(workFolder),
      prompts_(prompts),
      showHistory_(std::move(showHistory)) {}

// The reader's folder tree starts at the save folder, where the day folders are.
void LogWindows::openReader() {
    QDir::setCurrent(saveFolder_);
    main_.hide();
    reader_.open([this] {
        auto* reader = new frmReadLog(history_, volumes_, prompts_);
        reader->setParent(&main_, Qt::Window);
        QObject::connect(reader, &frmReadLog::historyReplaced, reader, [this] { showHistory_(); });
        QObject::connect(reader, &frmReadLog::closed, &main_, &QWidget::show);
        return reader;
    });
}

frmSaveLog* LogWindows::makeMergeDialog() {
    auto* dialog = new frmSaveLog(history_, workFolder_, folders_, volumes_, prompts_);
    dialog->setParent(&main_, Qt::Window);
    return dialog;
}

}  // namespace pelmar::logdata
