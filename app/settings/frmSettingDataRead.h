#pragma once

#include "app/seams/Prompts.h"
#include "app/settings/SettingData.h"
#include "app/settings/SettingDataWindow.h"
#include "app/settings/SettingSender.h"

namespace pelmar::settings {

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
