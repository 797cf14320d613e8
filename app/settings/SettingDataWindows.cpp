#include "app/settings/SettingDataWindows.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelmar::settings {
namespace {

QPushButton* button(const char* name, const QString& caption) {
    auto* made = new QPushButton(caption);
    made->setObjectName(QString::fromLatin1(name));
    made->setAutoDefault(true);
    return made;
}

}  // namespace

SettingDataWindow::SettingDataWindow(const QString& name, const char* actionName,
                                     const QString& actionCaption)
    : panel(new SettingPanel),
      action_(button(actionName, actionCaption)),
      cancel_(button("btnCan", QStringLiteral("キャンセル"))) {
    setObjectName(name);
    setWindowTitle(QStringLiteral("設定データ"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(action_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

frmSettingData::frmSettingData(SettingData& data)
    : SettingDataWindow(QStringLiteral("frmSettingData"), "btnSave",
                        QStringLiteral("ファイルに保存")),
      btnSave(action_),
      btnCan(cancel_),
      data_(data) {
    panel->FillSettingPanel(data_);
    connect(btnSave, &QPushButton::clicked, this, [this] {
        panel->ReadSettingPanel(data_);
        emit saveRequested();
        close();
    });
    connect(btnCan, &QPushButton::clicked, this, &QWidget::close);
}

frmSettingDataRead::frmSettingDataRead(SettingData& data, const SettingData& loaded,
                                       SettingSender& sender, Prompts& prompts)
    : SettingDataWindow(QStringLiteral("frmSettingDataRead"), "btnSend",
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
