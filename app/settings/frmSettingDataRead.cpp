#include "app/settings/frmSettingDataRead.h"

#include <QCloseEvent>
#include <QPushButton>

namespace pelmar::settings {

frmSettingDataRead::frmSettingDataRead(SettingData& data, const SettingData& loaded,
                                       SettingSender& sender, Prompts& prompts)
    : SettingDataWindow(
          QStringLiteral("frmSettingDataRead"),
          QStringLiteral("ファイルから読み込んだ設定データの確認と画像処理機への送信"), "btnSend",
          QStringLiteral("画像処理機に送信")),
      btnSend(action_),
      btnCan(cancel_),
      data_(data),
      sender_(sender),
      prompts_(prompts) {
    data_ = loaded;
    panel->FillSettingPanel(data_);
    sender_.requestGone = [this] {
        finished_ = true;
        tellRequestGone();
        close();
    };
    connect(btnSend, &QPushButton::clicked, this, [this] {
        if (answer(true)) close();
    });
    connect(btnCan, &QPushButton::clicked, this, [this] {
        if (answer(false)) close();
    });
}

frmSettingDataRead::~frmSettingDataRead() {
    sender_.requestGone = nullptr;
}

bool frmSettingDataRead::answer(bool send) {
    if (running_ || finished_) return false;
    running_ = true;
    setEnabled(false);
    if (send) panel->ReadSettingPanel(data_);
    const bool answered = send ? sender_.send(data_) : sender_.cancel();
    running_ = false;
    finished_ = true;
    if (!answered) tellRequestGone();
    return true;
}

void frmSettingDataRead::tellRequestGone() {
    prompts_.message(
        kProgramTitle,
        QStringLiteral("画像処理機との接続が切れたため、設定データの受信要求は無効になりました。"),
        Prompts::Icon::Warning, Prompts::Ok);
}

// The DM waits for the dialog's answer: closing it by its frame answers "キャンセル".
void frmSettingDataRead::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        return;
    }
    answer(false);
    event->accept();
}

}  // namespace pelmar::settings
