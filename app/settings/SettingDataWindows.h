#pragma once

#include <QWidget>

#include "app/link/Prompts.h"
#include "app/settings/SettingData.h"
#include "app/settings/SettingPanel.h"
#include "app/settings/SettingSender.h"

class QPushButton;

namespace pelmar::settings {

// A window of the setting-data panel (caption "設定データ") with its two buttons at the right
// edge, one above the other: the window's action and "キャンセル".
class SettingDataWindow : public QWidget {
    Q_OBJECT
public:
    SettingPanel* panel;

protected:
    SettingDataWindow(const QString& name, const char* actionName, const QString& actionCaption);

    QPushButton* action_;
    QPushButton* cancel_;
};

// The editor of the record the DM has written (SETW): "ファイルに保存" takes the panel into the
// setting data and gives way to the save dialog; "キャンセル" and the window frame only close it.
class frmSettingData : public SettingDataWindow {
    Q_OBJECT
public:
    explicit frmSettingData(SettingData& data);

    QPushButton* btnSave;
    QPushButton* btnCan;

signals:
    // The editor has closed and the save dialog is to open in its place.
    void saveRequested();

private:
    SettingData& data_;
};

// The send dialog of the DM's read request (SETR), showing the record loaded from the chosen
// file, which becomes the setting data. "画像処理機に送信" takes the panel into the setting data
// and sends it; "キャンセル", and the window frame too, tell the DM that nothing comes. While
// either sequence runs (its waits let the windows run) the dialog takes no second one. When the
// DM's request is gone (the link was lost) a message says so and the dialog closes.
class frmSettingDataRead : public SettingDataWindow {
    Q_OBJECT
public:
    frmSettingDataRead(SettingData& data, const SettingData& loaded, SettingSender& sender,
                       Prompts& prompts);
    ~frmSettingDataRead() override;

    QPushButton* btnSend;
    QPushButton* btnCan;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Runs one of the two sequences; false when one has run or is running.
    bool answer(bool send);
    void tellRequestGone();

    SettingData& data_;
    SettingSender& sender_;
    Prompts& prompts_;
    bool running_ = false;
    bool finished_ = false;
};

}  // namespace pelmar::settings
